#include "common/core/files/leftover_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

#include "common/core/files/owner_marks.h"

namespace undertext {
namespace {

bool isTemporaryName(const std::string& name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryRandomLength ||
        !name.starts_with(kTemporaryPrefix)) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kTemporaryPrefix.size()),
                       name.end(), [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                  (c >= '0' && c <= '9');
                       });
}

bool isLetterFileName(const std::string& name) {
    return name.size() > kLetterFilePrefix.size() && name.starts_with(kLetterFilePrefix);
}

// Removes path when it is a regular file marked as made by a process that is gone,
// that no live process holds a lock on (a run in another process id space
// still holds its files so), and that still is the file that was opened.
void removeIfLeftover(const std::filesystem::path& folder, const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const auto owner = markedOwner(fd, folder);
        if (owner && !ownerIsAlive(*owner) && ::lstat(path.c_str(), &named) == 0 &&
            named.st_ino == opened.st_ino && named.st_dev == opened.st_dev) {
            ::unlink(path.c_str());
        }
    }
    ::close(fd);
}

}  // namespace

void removeLeftovers(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto name = it->path().filename().string();
        if (isTemporaryName(name) || isLetterFileName(name)) {
            removeIfLeftover(folder, it->path());
        }
    }
    pruneOwnerJournal(folder);
}

FileHold::FileHold(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_SH);
    }
}

FileHold::~FileHold() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

FileHold::FileHold(FileHold&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHold& FileHold::operator=(FileHold&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

}  // namespace undertext
