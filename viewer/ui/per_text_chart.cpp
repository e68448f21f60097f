#include "viewer/ui/per_text_chart.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>

namespace undertext::ui {
namespace {

const QColor kBarColor(40, 60, 160);

// The room a bar's value takes on the right of the longest bar.
constexpr int kValueRoom = 90;

}  // namespace

PerTextChart::PerTextChart(QWidget* parent) : PlotWidget(parent) {
    setObjectName(QStringLiteral("PerTextChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PerTextChart::show(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    update();
}

void PerTextChart::clear() {
    bars_.clear();
    update();
}

QString PerTextChart::caption() const {
    if (bars_.empty()) {
        return {};
    }
    const auto unread =
        std::count_if(bars_.begin(), bars_.end(), [](const Bar& bar) { return !bar.perMillion; });
    QString text =
        QCoreApplication::translate("PerTextChart", "На миллион букв текста; текстов: %1")
            .arg(bars_.size());
    if (unread > 0) {
        text += QCoreApplication::translate(
                    "PerTextChart", "; не прочитано %1: для них число вхождений (штриховка)")
                    .arg(unread);
    }
    return text;
}

QSize PerTextChart::sizeHint() const {
    return {600, 160};
}

QSize PerTextChart::minimumSizeHint() const {
    return {200, fontMetrics().height() * 3};
}

void PerTextChart::draw(QPainter& painter, QSize size, const QString& title) const {
    const int top = drawBackgroundAndTitle(painter, size, title);
    const auto metrics = painter.fontMetrics();
    const int line = metrics.height();
    const QRect area(4, top, size.width() - 8, size.height() - top - line - 8);
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, area.bottom() + 4, area.width(), line + 4),
                     Qt::AlignLeft | Qt::AlignVCenter, caption());
    if (bars_.empty() || area.height() <= 0) {
        return;
    }
    const int labelWidth = std::min(area.width() / 3, 220);
    const double largest =
        std::max_element(bars_.begin(), bars_.end(), [](const Bar& a, const Bar& b) {
            return a.value < b.value;
        })->value;
    const double rowHeight = static_cast<double>(area.height()) / static_cast<double>(bars_.size());
    const int barRoom = std::max(1, area.width() - labelWidth - kValueRoom);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const auto& bar = bars_[i];
        const QRectF row(area.left(), area.top() + rowHeight * static_cast<double>(i), area.width(),
                         rowHeight);
        if (rowHeight >= line * 0.8) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(row.left(), row.top(), labelWidth - 6, row.height()),
                             Qt::AlignRight | Qt::AlignVCenter,
                             metrics.elidedText(bar.text, Qt::ElideLeft, labelWidth - 6));
        }
        const double length = largest > 0 ? bar.value / largest * barRoom : 0.0;
        const QRectF shape(row.left() + labelWidth, row.top() + row.height() * 0.15, length,
                           row.height() * 0.7);
        painter.fillRect(shape,
                         bar.perMillion ? QBrush(kBarColor) : QBrush(kBarColor, Qt::BDiagPattern));
        if (rowHeight >= line * 0.8) {
            painter.drawText(QRectF(shape.right() + 4, row.top(), kValueRoom, row.height()),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QString::number(bar.value, 'f', bar.perMillion ? 2 : 0));
        }
    }
}

}  // namespace undertext::ui
