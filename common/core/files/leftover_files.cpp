#include "common/core/files/leftover_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

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

// A letter file holds only lower-case letters: Latin a-z or Windows-1251 а-я.
bool holdsOnlyLetters(int fd) {
    char buffer[1 << 12];
    const auto got = ::read(fd, buffer, sizeof buffer);
    return got >= 0 && std::all_of(buffer, buffer + got, [](char c) {
               const auto b = static_cast<unsigned char>(c);
               return (b >= 'a' && b <= 'z') || b >= 0xE0;
           });
}

bool isLetterFile(const std::filesystem::path& folder, const std::string& name) {
    if (name.size() <= kLetterFilePrefix.size() || !name.starts_with(kLetterFilePrefix)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(folder / name.substr(kLetterFilePrefix.size()), error);
}

// Removes path when it is a regular file that nobody holds a lock on and that
// still is the file that was opened.
void removeIfUnheld(const std::filesystem::path& path, bool letterFile) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && (!letterFile || holdsOnlyLetters(fd)) &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
        named.st_dev == opened.st_dev) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

}  // namespace

void removeLeftovers(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto name = it->path().filename().string();
        if (isTemporaryName(name)) {
            removeIfUnheld(it->path(), false);
        } else if (isLetterFile(folder, name)) {
            removeIfUnheld(it->path(), true);
        }
    }
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
