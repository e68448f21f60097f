#include "common/core/stop_signals.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "common/core/files/file_io.h"
#include "testing/support/signalled_child.h"
#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using namespace std::chrono_literals;
using testing::describeEnd;
using testing::exitedWith;
using testing::SignalledChild;

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

bool readable(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, 0) == 1;
}

// In a child: installs the stop signals, receives signal and exits with the
// status a stopped program ends with, once the request shows everywhere it must.
int stopOn(int signal) {
    installStopSignals();
    installStopSignals();  // a second installation changes nothing
    if (stopRequested() || stopExitStatus() != 0 || readable(stopRequestDescriptor())) {
        return 1;
    }
    ::raise(signal);
    if (!stopRequested() || !readable(stopRequestDescriptor())) {
        return 2;
    }
    return stopExitStatus();
}

TEST(StopSignals, TheFirstSignalIsAStopRequestWithItsOwnStatus) {
    const int statuses[] = {130, 143, 129};
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
        SignalledChild child([&] { return stopOn(kStopSignals[i]); });
        EXPECT_EQ(describeEnd(child.awaitEnd(5s)), exitedWith(statuses[i])) << kStopSignals[i];
    }
}

TEST(StopSignals, ASecondSignalOfAnyKindEndsTheProgramAtOnce) {
    for (const int first : kStopSignals) {
        for (const int second : kStopSignals) {
            int ready[2];
            ASSERT_EQ(::pipe(ready), 0);
            // The child stops, then stays in work that has no stop point.
            SignalledChild child([&] {
                installStopSignals();
                ::raise(first);
                [[maybe_unused]] const auto told = ::write(ready[1], "s", 1);
                for (;;) {
                    ::pause();
                }
                return 0;
            });
            ::close(ready[1]);
            char told = 0;
            ASSERT_EQ(::read(ready[0], &told, 1), 1);
            ::close(ready[0]);
            child.send(second);
            const auto end = child.awaitEnd(5s);
            EXPECT_EQ(describeEnd(end), "signal " + std::to_string(second)) << first;
        }
    }
}

TEST(StopSignals, ASignalIgnoredAtStartStaysIgnored) {
    // As under nohup: a hang-up is no stop request, the other signals still are.
    SignalledChild child([] {
        ::signal(SIGHUP, SIG_IGN);
        installStopSignals();
        ::raise(SIGHUP);
        if (stopRequested()) {
            return 1;
        }
        ::raise(SIGTERM);
        return stopExitStatus();
    });
    EXPECT_EQ(describeEnd(child.awaitEnd(5s)), exitedWith(143));
}

// Waiting for input is a stop point: a FIFO without a writer, and one whose writer
// stalls after some bytes, give up their read at a stop request.
TEST(StopSignals, AReadWaitingOnAFifoEndsAtAStopRequest) {
    for (const bool writerStalls : {false, true}) {
        testing::TempFolder folder;
        const auto fifo = folder / "f.txt";
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        SignalledChild child([&] {
            installStopSignals();
            if (writerStalls) {
                std::thread([&] {
                    const int fd = ::open(fifo.c_str(), O_WRONLY);
                    [[maybe_unused]] const auto written = ::write(fd, "abc", 3);
                    for (;;) {
                        ::pause();  // holds the FIFO open without writing more
                    }
                }).detach();
            }
            const auto read = readWholeFile(fifo);
            const bool stopped = !read && read.error().ends_with("Чтение остановлено.") &&
                                 read.error().find("f.txt") != std::string::npos;
            return stopped ? stopExitStatus() : 1;
        });
        ASSERT_TRUE(child.awaitWhileRunning([&] { return child.catches(SIGTERM); }, 5s));
        std::this_thread::sleep_for(100ms);  // well into the wait
        child.send(SIGTERM);
        EXPECT_EQ(describeEnd(child.awaitEnd(5s)), exitedWith(143)) << writerStalls;
        EXPECT_LT(child.signalToEnd(), 1s) << writerStalls;
    }
}

}  // namespace
}  // namespace undertext
