#pragma once

#include <QSize>

class QWidget;

namespace undertext::ui {

// Room a window manager's frame takes at least (borders, title bar), for windows
// whose frame is not known before they are shown.
inline constexpr QSize kFrameAllowance{8, 40};

// Shrinks a top-level window, where needed, so that it fits the available area
// of its screen together with its frame.
void fitOnScreen(QWidget& window);

// Places a top-level window, not yet shown, at the centre of the available area
// of its screen, so that without a window manager's own placement it does not
// open in the screen's corner. GUI thread only.
void centreOnScreen(QWidget& window);

// Places a top-level window at the centre of another one's frame, kept within
// the available area of the other's screen.
void centreOver(QWidget& window, const QWidget& over);

}  // namespace undertext::ui
