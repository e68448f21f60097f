#pragma once

#include <QString>

class QLabel;
class QProgressBar;
class QWidget;

namespace undertext::ui {

// The text of the progress label before any progress: three blanks before 0.
inline constexpr const char* kProgressDesignText =
    QT_TRANSLATE_NOOP("ProgressDisplay", "Готово   0 %");

// «Готово  N %»: "Готово " followed by the number text of percent and " %".
QString progressText(int percent);
// «Остановлено на N %».
QString stoppedText(int percent);

// The progress bar (0 to 100) and its label of a main window.
// Both widgets are created as children of parent, which owns them; the window
// places them in its layout. GUI thread only.
class ProgressDisplay {
  public:
    explicit ProgressDisplay(QWidget* parent);

    QProgressBar* bar() const { return bar_; }
    QLabel* label() const { return label_; }

    // A run begins: the percent a stop reports starts again from 0.
    void beginRun() { reached_ = 0; }
    // The bar shows percent (0 to 100) and the label its text, at once.
    void show(int percent);
    // Nothing run yet (a new source chosen): the bar at 0, the label as at start-up.
    void showNotRun();
    // A stopped run: the bar back at 0, the label «Остановлено на N %» with the
    // highest percent shown since the run began.
    void showStopped();
    // Adds a remark to the label's text (", заменено неверных байтов: N").
    void addRemark(const QString& remark);

  private:
    QProgressBar* bar_;
    QLabel* label_;
    int reached_ = 0;
};

}  // namespace undertext::ui
