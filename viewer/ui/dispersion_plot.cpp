#include "viewer/ui/dispersion_plot.h"

#include <QCoreApplication>
#include <QPainter>

namespace undertext::ui {

DispersionPlot::DispersionPlot(QWidget* parent) : PlotWidget(parent) {
    setObjectName(QStringLiteral("DispersionPlot"));
    setMinimumHeight(56);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DispersionPlot::show(const std::vector<SourceSpan>& spans, std::uint64_t textLength) {
    ticks_.clear();
    ticks_.reserve(spans.size());
    for (const auto& span : spans) {
        ticks_.push_back(textLength == 0
                             ? 0.0
                             : static_cast<double>(span.begin) / static_cast<double>(textLength));
    }
    textLength_ = textLength;
    shown_ = true;
    update();
}

void DispersionPlot::clear() {
    ticks_.clear();
    textLength_ = 0;
    shown_ = false;
    update();
}

QString DispersionPlot::caption() const {
    if (!shown_) {
        return {};
    }
    return QCoreApplication::translate("DispersionPlot", "Вхождений: %1; длина текста: %2 символов")
        .arg(ticks_.size())
        .arg(textLength_);
}

QSize DispersionPlot::sizeHint() const {
    return {600, 56};
}

void DispersionPlot::draw(QPainter& painter, QSize size, const QString& title) const {
    const int top = drawBackgroundAndTitle(painter, size, title);
    const int textHeight = painter.fontMetrics().height();
    const QRect strip(4, top, size.width() - 8, size.height() - top - textHeight - 8);
    painter.setPen(Qt::gray);
    painter.drawRect(strip);
    painter.setPen(QPen(QColor(40, 60, 160), 1));
    for (const double tick : ticks_) {
        const double x = strip.left() + tick * strip.width();
        painter.drawLine(QPointF(x, strip.top() + 1), QPointF(x, strip.bottom()));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, strip.bottom() + 4, size.width() - 8, textHeight + 4),
                     Qt::AlignLeft | Qt::AlignVCenter, caption());
}

}  // namespace undertext::ui
