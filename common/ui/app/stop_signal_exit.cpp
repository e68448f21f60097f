#include "common/ui/app/stop_signal_exit.h"

#include <QCoreApplication>

#include "common/core/stop_signals.h"

namespace undertext::ui {
namespace {

int installedStopRequestDescriptor() {
    installStopSignals();
    return stopRequestDescriptor();
}

}  // namespace

StopSignalExit::StopSignalExit(QCoreApplication& application)
    : QObject(&application),
      notifier_(installedStopRequestDescriptor(), QSocketNotifier::Read, this) {
    // The descriptor stays readable once a stop is requested: it is watched once.
    connect(&notifier_, &QSocketNotifier::activated, this, [this] {
        notifier_.setEnabled(false);
        endEventLoops();
        again_.start();
    });
    again_.setInterval(0);
    connect(&again_, &QTimer::timeout, this, &StopSignalExit::endEventLoops);
}

void StopSignalExit::endEventLoops() {
    QCoreApplication::exit(stopExitStatus());
}

}  // namespace undertext::ui
