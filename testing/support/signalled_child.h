#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace undertext::testing {

// A child process to be sent signals: forked to run start (which usually execs a
// program; if it returns, the child exits with that status), then watched from
// here. A child still running when the object goes is killed. Not copied.
class SignalledChild {
  public:
    using Clock = std::chrono::steady_clock;

    explicit SignalledChild(const std::function<int()>& start) : pid_(::fork()) {
        if (pid_ == 0) {
            ::_exit(start());
        }
        EXPECT_GT(pid_, 0) << "could not start a child process";
    }
    ~SignalledChild() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    SignalledChild(const SignalledChild&) = delete;
    SignalledChild& operator=(const SignalledChild&) = delete;

    // True once the child has its own handler for signal (it has installed them).
    bool catches(int signal) const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("SigCgt:")) {
                const auto caught = std::stoull(line.substr(7), nullptr, 16);
                return (caught >> (signal - 1) & 1) != 0;
            }
        }
        return false;
    }

    // The bytes the child has written so far, to any file.
    std::uint64_t bytesWritten() const {
        std::ifstream io("/proc/" + std::to_string(pid_) + "/io");
        for (std::string line; std::getline(io, line);) {
            if (line.starts_with("wchar:")) {
                return std::stoull(line.substr(6));
            }
        }
        return 0;
    }

    // Waits, up to timeout, until done() holds or the child has ended; done()'s.
    template <typename Done>
    bool awaitWhileRunning(Done done, std::chrono::milliseconds timeout) {
        const auto deadline = Clock::now() + timeout;
        while (!done()) {
            if (ended() || Clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    void send(int signal) {
        sentAt_ = Clock::now();
        ::kill(pid_, signal);
    }

    // Waits up to timeout for the child to end; its wait status, or nullopt while it
    // still runs.
    std::optional<int> awaitEnd(std::chrono::milliseconds timeout) {
        const auto deadline = Clock::now() + timeout;
        while (!ended() && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return status_;
    }

    // The time from the last signal sent to the end seen by ended() or awaitEnd().
    std::chrono::milliseconds signalToEnd() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(endedAt_ - sentAt_);
    }

  private:
    bool ended() {
        int status = 0;
        if (!status_ && ::waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = status;
            endedAt_ = Clock::now();
        }
        return status_.has_value();
    }

    pid_t pid_;
    std::optional<int> status_;
    Clock::time_point sentAt_{};
    Clock::time_point endedAt_{};
};

// A wait status as words, for messages: "exit 143" or "signal 15".
inline std::string describeEnd(std::optional<int> status) {
    if (!status) {
        return "still running";
    }
    return WIFEXITED(*status) ? "exit " + std::to_string(WEXITSTATUS(*status))
                              : "signal " + std::to_string(WTERMSIG(*status));
}

// The wait status of a program that exited with code.
inline std::string exitedWith(int code) {
    return "exit " + std::to_string(code);
}

}  // namespace undertext::testing
