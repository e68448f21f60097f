#include "viewer/ui/plot_widget.h"

#include <algorithm>

#include <QPainter>

namespace undertext::ui {
namespace {

// The height of the title line above an exported plot.
int titleHeight(const QFontMetrics& metrics) {
    return metrics.height() + 4;
}

}  // namespace

QSize PlotWidget::titledSize(int minimumWidth) const {
    return {std::max(width(), minimumWidth), height() + titleHeight(fontMetrics())};
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    draw(painter, size());
}

int PlotWidget::drawBackgroundAndTitle(QPainter& painter, QSize size, const QString& title) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    int top = 4;
    if (!title.isEmpty()) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const QRect line(4, top, size.width() - 8, painter.fontMetrics().height());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(QStringLiteral("«%1»").arg(title),
                                                          Qt::ElideRight, line.width()));
        painter.restore();
        top += titleHeight(painter.fontMetrics());
    }
    return top;
}

}  // namespace undertext::ui
