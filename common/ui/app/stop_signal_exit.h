#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

class QCoreApplication;

namespace undertext::ui {

// Ends a window program on SIGINT, SIGTERM or SIGHUP as the end of a desktop
// session does: no question is asked, the event loop ends with the signal's status
// (see installStopSignals) and the windows are destroyed as main returns, each
// stopping its job at the next stop point and waiting for it, so that no file is
// left half written. A second signal ends the program at once. The signal handler
// only wakes the event loop through the stop request descriptor; nothing of Qt
// runs in it. Made once, for the application, on the GUI thread.
class StopSignalExit final : public QObject {
    Q_OBJECT

  public:
    explicit StopSignalExit(QCoreApplication& application);

  private:
    void endEventLoops();

    QSocketNotifier notifier_;
    // Ends any event loop that runs after the signal: one that starts later (a
    // message box still open, then the main loop) would otherwise run on.
    QTimer again_;
};

}  // namespace undertext::ui
