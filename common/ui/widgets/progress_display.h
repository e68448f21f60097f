#pragma once

#include <QString>

class QLabel;
class QProgressBar;
class QWidget;

namespace undertext::ui {

// The text of the progress label before any progress: three blanks before 0.
inline constexpr const char* kProgressDesignText = "Готово   0 %";

// «Готово  N %»: "Готово " followed by the number text of percent and " %".
QString progressText(int percent);

// The progress bar (0 to 100) and its label of a main window.
// Both widgets are created as children of parent, which owns them; the window
// places them in its layout. GUI thread only.
class ProgressDisplay {
  public:
    explicit ProgressDisplay(QWidget* parent);

    QProgressBar* bar() const { return bar_; }
    QLabel* label() const { return label_; }

    // The bar shows percent (0 to 100) and the label its text, at once.
    void show(int percent);

  private:
    QProgressBar* bar_;
    QLabel* label_;
};

}  // namespace undertext::ui
