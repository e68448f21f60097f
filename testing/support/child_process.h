#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

namespace undertext::testing {

// What a child process is given before its work: a limit on the size of any
// file it writes (SIGXFSZ keeps its default action: the program must ignore it
// itself), and, when the test runs as root, an unprivileged user (nobody), so that
// file permissions apply to it; a limit on its address space.
struct ChildLimits {
    rlim_t fileSize = RLIM_INFINITY;
    bool unprivileged = false;
    rlim_t addressSpace = RLIM_INFINITY;
};

inline void applyChildLimits(const ChildLimits& limits) {
    if (limits.fileSize != RLIM_INFINITY) {
        const rlimit limit{limits.fileSize, limits.fileSize};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (limits.addressSpace != RLIM_INFINITY) {
        const rlimit limit{limits.addressSpace, limits.addressSpace};
        ::setrlimit(RLIMIT_AS, &limit);
    }
    if (limits.unprivileged && ::geteuid() == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(126);
        }
    }
}

// Runs work in a forked child under limits and gives its exit status (-1 when
// it did not exit normally). work returns the status the child exits with.
inline int inChildProcess(const ChildLimits& limits, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        applyChildLimits(limits);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "could not run a child process";
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace undertext::testing
