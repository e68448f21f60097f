#include "common/ui/run/run_guard.h"

#include <utility>

#include <QCoreApplication>

#include "common/ui/app/dialogs.h"
#include "common/ui/run/job_runner.h"

namespace undertext::ui {

RunGuard::RunGuard(Dialogs& dialogs, JobRunner& runner, QWidget* window, QString stopQuestion)
    : dialogs_(dialogs), runner_(runner), window_(window), stopQuestion_(std::move(stopQuestion)) {}

void RunGuard::beginRun() {
    busy_ = true;
    stopRequested_ = false;
}

RunGuard::StopAnswer RunGuard::askStop() {
    if (!busy_) {
        return StopAnswer::NotBusy;
    }
    runner_.pause();
    if (!dialogs_.ask(window_, QCoreApplication::translate("RunGuard", kStopTitle),
                      stopQuestion_)) {
        runner_.resume();
        return StopAnswer::No;
    }
    stopRequested_ = true;
    busy_ = false;
    runner_.requestStop();
    return StopAnswer::Yes;
}

bool RunGuard::confirmExit() {
    if (!busy_) {
        return true;
    }
    runner_.pause();
    if (!dialogs_.ask(window_, QCoreApplication::translate("RunGuard", kExitTitle),
                      QCoreApplication::translate("RunGuard", kExitQuestion))) {
        runner_.resume();
        return false;
    }
    stopRequested_ = true;
    busy_ = false;
    // The windows go at once; the runner's owner waits for the job when it is
    // destroyed, so no report is left half written.
    runner_.requestStop();
    return true;
}

}  // namespace undertext::ui
