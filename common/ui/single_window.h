#pragma once

#include <cassert>

#include <QPointer>
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
    QPointer<Window> window_;
};

}  // namespace undertext::ui
