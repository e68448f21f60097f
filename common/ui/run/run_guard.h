#pragma once

#include <QString>

class QWidget;

namespace undertext::ui {

class Dialogs;
class JobRunner;

inline constexpr const char* kStopTitle = QT_TRANSLATE_NOOP("RunGuard", "Остановка?");
inline constexpr const char* kStopWorkQuestion =
    QT_TRANSLATE_NOOP("RunGuard", "Действительно хотите остановить работу?");
inline constexpr const char* kStopPhraseQuestion =
    QT_TRANSLATE_NOOP("RunGuard", "Остановить обработку фразы?");
inline constexpr const char* kExitTitle = QT_TRANSLATE_NOOP("RunGuard", "Выход?");
inline constexpr const char* kExitQuestion =
    QT_TRANSLATE_NOOP("RunGuard", "Действительно хотите выйти из программы?");

// The busy flag of a main window with its stop and exit questions. While a
// question is open the window's job is held at its next stop point, as if it had
// yielded to the window. GUI thread only; dialogs, runner and window must outlive
// the guard.
class RunGuard {
  public:
    enum class StopAnswer { NotBusy, Yes, No };

    RunGuard(Dialogs& dialogs, JobRunner& runner, QWidget* window, QString stopQuestion);

    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }
    bool stopRequested() const { return stopRequested_; }

    // The first action of a run: busy set, any earlier stop request cleared.
    void beginRun();

    // The stop button. Not busy: nothing happens. Otherwise asks the stop
    // question; Yes sets the stop request, clears the busy flag and stops the job
    // at its next stop point (the window then enables its buttons and shows 0); No
    // lets the job go on.
    StopAnswer askStop();

    // Every way of closing the main window. Not busy: true at once. Otherwise
    // asks the exit question; Yes asks the job to stop, clears the busy flag and
    // gives true without waiting, so the windows close at once (the runner waits
    // for the job when it is destroyed); No gives false and the job goes on.
    bool confirmExit();

  private:
    Dialogs& dialogs_;
    JobRunner& runner_;
    QWidget* window_;
    QString stopQuestion_;
    bool busy_ = false;
    bool stopRequested_ = false;
};

}  // namespace undertext::ui
