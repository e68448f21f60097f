#include "common/ui/widgets/window_placement.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

namespace undertext::ui {

namespace {

// The top-left corner that puts a window of frame size at centre, within area.
QPoint centredCorner(const QSize& frame, const QPoint& centre, const QRect& area) {
    const QPoint corner = centre - QPoint(frame.width() / 2, frame.height() / 2);
    return {
        std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - frame.width())),
        std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - frame.height()))};
}

}  // namespace

void fitOnScreen(QWidget& window) {
    const QSize frame = (window.frameGeometry().size() - window.size()).expandedTo(kFrameAllowance);
    window.resize(window.size().boundedTo(window.screen()->availableGeometry().size() - frame));
}

void centreOnScreen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    window.move(centredCorner(window.frameGeometry().size(), area.center(), area));
}

void centreOver(QWidget& window, const QWidget& over) {
    const QRect area = over.screen()->availableGeometry();
    window.move(centredCorner(window.frameGeometry().size(), over.frameGeometry().center(), area));
}

}  // namespace undertext::ui
