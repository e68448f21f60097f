#include "common/core/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace undertext {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalStatusBase = 128;

// Lock-free, so that the handler may write them.
std::atomic<int> firstSignal = 0;
std::atomic<int> wakeRead = -1;
std::atomic<int> wakeWrite = -1;
static_assert(std::atomic<int>::is_always_lock_free);

void onStopSignal(int signal) {
    if (firstSignal.load() != 0) {
        // The program did not end in time: the second signal ends it as if it
        // were not caught. It is blocked while this handler runs and arrives as
        // soon as the handler returns.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    firstSignal.store(signal);
    const int savedErrno = errno;
    const char wake = 1;
    [[maybe_unused]] const auto written = ::write(wakeWrite.load(), &wake, 1);
    errno = savedErrno;
}

bool startedIgnored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

void installStopSignals() {
    if (wakeRead.load() >= 0) {
        return;
    }
    int wake[2] = {-1, -1};
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead.store(wake[0]);
        wakeWrite.store(wake[1]);
    }
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    // The stop signals wait for each other's handler, so that two at once are
    // one first and one second.
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) {
        if (!startedIgnored(signal)) {
            ::sigaction(signal, &action, nullptr);
        }
    }
    ::signal(SIGXFSZ, SIG_IGN);
}

bool stopRequested() {
    return firstSignal.load() != 0;
}

int stopExitStatus() {
    const int signal = firstSignal.load();
    return signal == 0 ? 0 : kSignalStatusBase + signal;
}

int stopRequestDescriptor() {
    return wakeRead.load();
}

}  // namespace undertext
