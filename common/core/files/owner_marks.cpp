#include "common/core/files/owner_marks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace undertext {
namespace {

std::string ownerText(const FileOwner& owner) {
    return std::to_string(owner.pid) + ' ' + std::to_string(owner.startTime);
}

std::optional<FileOwner> parseOwner(std::string_view text) {
    std::istringstream in{std::string(text)};
    FileOwner owner;
    if (!(in >> owner.pid >> owner.startTime) || owner.pid <= 0) {
        return std::nullopt;
    }
    return owner;
}

// The start time of process pid: field 22 of its stat file, counted after the
// command name in parentheses (which may hold blanks).
std::optional<std::uint64_t> processStartTime(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return std::nullopt;
    }
    const auto nameEnd = line.rfind(')');
    if (nameEnd == line.npos) {
        return std::nullopt;
    }
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    // The fields after the name start at the third, the state.
    for (int number = 3; number < 22 && fields >> field; ++number) {
    }
    std::uint64_t startTime = 0;
    if (!(fields >> startTime)) {
        return std::nullopt;
    }
    return startTime;
}

// One journal line: "device inode pid start-time".
struct JournalEntry {
    dev_t device = 0;
    ino_t inode = 0;
    FileOwner owner;
};

std::optional<JournalEntry> parseEntry(const std::string& line) {
    std::istringstream in(line);
    JournalEntry entry;
    if (!(in >> entry.device >> entry.inode >> entry.owner.pid >> entry.owner.startTime)) {
        return std::nullopt;
    }
    return entry;
}

std::string entryLine(const JournalEntry& entry) {
    return std::to_string(entry.device) + ' ' + std::to_string(entry.inode) + ' ' +
           ownerText(entry.owner) + '\n';
}

// The journal of folder opened and locked for one reading or change; closed, and
// so unlocked, with the object.
class OpenJournal {
  public:
    OpenJournal(const std::filesystem::path& folder, int flags, int lock)
        : path_(folder / kOwnerJournalName),
          fd_(::open(path_.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0666)) {
        if (fd_ >= 0 && ::flock(fd_, lock) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenJournal() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenJournal(const OpenJournal&) = delete;
    OpenJournal& operator=(const OpenJournal&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    std::vector<JournalEntry> entries() const {
        std::string content;
        char buffer[1 << 12];
        ::lseek(fd_, 0, SEEK_SET);
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            content.append(buffer, static_cast<std::size_t>(got));
        }
        std::vector<JournalEntry> entries;
        std::istringstream lines(content);
        for (std::string line; std::getline(lines, line);) {
            if (auto entry = parseEntry(line)) {
                entries.push_back(*entry);
            }
        }
        return entries;
    }
    bool append(const std::string& text) const {
        return ::write(fd_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }
    void replaceWith(const std::string& text) const {
        if (::ftruncate(fd_, 0) == 0) {
            ::lseek(fd_, 0, SEEK_SET);
            [[maybe_unused]] const bool written = append(text);
        }
    }

  private:
    std::filesystem::path path_;
    int fd_;
};

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool markInJournal(const std::filesystem::path& file, const FileOwner& owner) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return false;
    }
    const OpenJournal journal(folderOf(file), O_WRONLY | O_CREAT | O_APPEND, LOCK_EX);
    return journal.isOpen() && journal.append(entryLine({info.st_dev, info.st_ino, owner}));
}

}  // namespace

FileOwner currentOwner() {
    // Not kept: a child made by fork is an owner of its own.
    const auto pid = ::getpid();
    return {pid, processStartTime(pid).value_or(0)};
}

bool ownerIsAlive(const FileOwner& owner) {
    return processStartTime(owner.pid) == owner.startTime;
}

bool markOwner(const std::filesystem::path& file, const FileOwner& owner, OwnerMarkStore store) {
    if (store == OwnerMarkStore::Attribute) {
        const auto text = ownerText(owner);
        if (::setxattr(file.c_str(), kOwnerAttribute, text.data(), text.size(), 0) == 0) {
            return true;
        }
    }
    return markInJournal(file, owner);
}

std::optional<FileOwner> markedOwner(int fd, const std::filesystem::path& folder) {
    char text[64];
    const auto length = ::fgetxattr(fd, kOwnerAttribute, text, sizeof text);
    if (length > 0) {
        return parseOwner(std::string_view(text, static_cast<std::size_t>(length)));
    }
    struct stat info {};
    const OpenJournal journal(folder, O_RDONLY, LOCK_SH);
    if (::fstat(fd, &info) != 0 || !journal.isOpen()) {
        return std::nullopt;
    }
    // The latest entry counts: an inode may have been used again.
    std::optional<FileOwner> owner;
    for (const auto& entry : journal.entries()) {
        if (entry.device == info.st_dev && entry.inode == info.st_ino) {
            owner = entry.owner;
        }
    }
    return owner;
}

void pruneOwnerJournal(const std::filesystem::path& folder) {
    const OpenJournal journal(folder, O_RDWR, LOCK_EX);
    if (!journal.isOpen()) {
        return;
    }
    std::vector<std::pair<dev_t, ino_t>> present;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) == 0) {
            present.emplace_back(info.st_dev, info.st_ino);
        }
    }
    std::string kept;
    for (const auto& entry : journal.entries()) {
        if (std::find(present.begin(), present.end(), std::pair{entry.device, entry.inode}) !=
            present.end()) {
            kept += entryLine(entry);
        }
    }
    if (kept.empty()) {
        ::unlink(journal.path().c_str());
    }
    journal.replaceWith(kept);
}

}  // namespace undertext
