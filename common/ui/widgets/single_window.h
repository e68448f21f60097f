#pragma once

#include <cassert>

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace undertext::ui {

// A tool window of which at most one exists at a time (the About window, the
// module chooser): showing it while it is open only brings it to the front. The
// window deletes itself when closed. GUI thread only.
template <typename Window>
class SingleWindow {
  public:
    // Shows the open window, or one made by make() (a new Window*, best parented
    // to the main window with the Qt::Window flag so that it goes with it).
    template <typename Make>
    Window* show(Make make) {
        // A window closed a moment ago is only waiting to be deleted.
        if (window_.isNull() || !window_->isVisible()) {
            window_ = make();
            assert(!window_.isNull());
            window_->setAttribute(Qt::WA_DeleteOnClose);
            centreOnParent(*window_);
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_.data();
    }

    // The open window, or null.
    Window* get() const {
        return window_.isNull() || !window_->isVisible() ? nullptr : window_.data();
    }

    void close() {
        if (!window_.isNull()) {
            window_->close();
        }
    }

  private:
    // A new window opens over the middle of its main window, not in a corner.
    static void centreOnParent(QWidget& window) {
        const QWidget* parent = window.parentWidget();
        if (parent == nullptr || !parent->isVisible()) {
            return;
        }
        window.adjustSize();
        const QRect area = parent->window()->frameGeometry();
        window.move(area.center() - window.rect().center());
    }

    QPointer<Window> window_;
};

}  // namespace undertext::ui
