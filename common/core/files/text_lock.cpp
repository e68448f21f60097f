#include "common/core/files/text_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace undertext {

TextLock::TextLock(const std::filesystem::path& text) {
    // Opened without waiting, so that a FIFO never blocks here.
    fd_ = ::open(text.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
}

TextLock::~TextLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}

bool TextLock::tryLock() {
    if (fd_ < 0 || held_) {
        return true;
    }
    // A file system without locks lets every run go on, as before locks existed.
    held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    return held_;
}

bool TextLock::waitForLock(const std::function<bool()>& stopRequested) {
    while (!tryLock()) {
        if (stopRequested && stopRequested()) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

bool waitForTextLock(TextLock& lock, JobControl& control) {
    if (lock.tryLock()) {
        return true;
    }
    control.showWaiting(kOtherRunWaitingText);
    return lock.waitForLock([&control] { return control.stopPoint(); });
}

}  // namespace undertext
