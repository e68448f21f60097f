#include "common/core/stop_signals.h"

#include <signal.h>

namespace undertext {
namespace {

volatile sig_atomic_t stopSignal = 0;

void requestStop(int signal) {
    stopSignal = signal;
}

}  // namespace

void installStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // The handler is reset after the first signal: a second one ends the program.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGXFSZ, SIG_IGN);
}

bool stopRequested() {
    return stopSignal != 0;
}

}  // namespace undertext
