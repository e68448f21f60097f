#include "common/core/files/file_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <utility>

#include "common/core/files/leftover_files.h"
#include "common/core/files/owner_marks.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "common/core/stop_signals.h"

namespace undertext {
namespace {

// Why a system call failed, in the words of the messages.
std::string reasonFor(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Нет прав доступа.");
        case ENOSPC:
        case EDQUOT:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Недостаточно места на диске.");
        case EFBIG:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Превышен допустимый размер файла.");
        case EROFS:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Диск доступен только для чтения.");
        case ENAMETOOLONG:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Слишком длинное имя файла.");
        case ENOENT:
        case ENOTDIR:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Файл или папка не найдены.");
        case ELOOP:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Слишком много символических ссылок.");
        case EISDIR:
            return UNDERTEXT_TRANSLATABLE("CoreMessage", "Это папка.");
        default:
            return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "Ошибка ввода-вывода (код %1)."),
                          {std::to_string(error)});
    }
}

constexpr const char* kNotRegularReason =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Это не обычный файл.");

std::string readFailure(const std::filesystem::path& path, const std::string& reason) {
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "Не удалось прочитать файл \"%1\". %2"),
                  {displayPath(path), reason});
}

std::string writeFailure(const std::filesystem::path& path, const std::string& reason) {
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "Не удалось записать файл \"%1\". %2"),
                  {displayPath(path), reason});
}

// The path with its symbolic links followed to the file they finally name (which
// may not exist yet); nullopt with errno set when the chain is too long.
std::optional<std::filesystem::path> followLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            return path;
        }
        std::string to(static_cast<std::size_t>(link.st_size) + 256, '\0');
        const auto length = ::readlink(path.c_str(), to.data(), to.size());
        if (length < 0) {
            return std::nullopt;
        }
        to.resize(static_cast<std::size_t>(length));
        path = path.parent_path() / to;  // an absolute link replaces the whole path
    }
    errno = ELOOP;
    return std::nullopt;
}

// Creates a new file ".ut-XXXXXX" in folder, locked; the fd, or -1 with errno set.
int createTemporary(const std::filesystem::path& folder, std::filesystem::path& created) {
    static constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(kTemporaryPrefix);
        for (int i = 0; i < kTemporaryRandomLength; ++i) {
            name += kAlphabet[random() % kAlphabet.size()];
        }
        created = (folder.empty() ? std::filesystem::path(".") : folder) / name;
        // Mode 0666 less the umask, as any new file gets.
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);  // held as this run's until it is closed
            markAsOurs(created);   // and a leftover once this process is gone
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Asks for large pages for the whole 2 MB blocks of a large buffer about to be
// filled: one page fault then maps 2 MB instead of 4 KB.
void adviseHugePages(char* data, std::size_t size) {
    constexpr std::uintptr_t kHugePage = 2 << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (begin < end) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
}

constexpr const char* kStoppedReason = UNDERTEXT_TRANSLATABLE("CoreMessage", "Чтение остановлено.");

// Waits until fd has data, or its writer has left, or a stop is requested (see
// stopRequestDescriptor); false for the stop.
bool waitForInput(int fd) {
    pollfd ready[2] = {{fd, POLLIN, 0}, {stopRequestDescriptor(), POLLIN, 0}};
    for (;;) {
        if (stopRequested()) {
            return false;
        }
        if (::poll(ready, 2, -1) >= 0 && ready[1].revents == 0) {
            return true;
        }
    }
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const auto written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string displayPath(const std::filesystem::path& path) {
    return path.string();
}

std::string tooLargeMessage(const std::filesystem::path& path) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage",
                               "Файл \"%1\" слишком велик: программа работает с текстами до 2 ГБ."),
        {displayPath(path)});
}

std::string outOfMemoryMessage(const std::filesystem::path& path) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "Недостаточно памяти для обработки файла \"%1\"."),
        {displayPath(path)});
}

Result<std::string> readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    using Read = Result<std::string>;
    // Opened without waiting, so that the kind of file is known before anything
    // can block.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Read::failure(readFailure(path, reasonFor(errno)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return Read::failure(readFailure(path, reasonFor(errno)));
    }
    const bool fifo = S_ISFIFO(info.st_mode);
    if (!fifo) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    if (S_ISDIR(info.st_mode)) {
        return Read::failure(readFailure(path, reasonFor(EISDIR)));
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        return Read::failure(
            readFailure(path, UNDERTEXT_TRANSLATABLE("CoreMessage", "Это устройство, а не файл.")));
    }
    const bool regular = S_ISREG(info.st_mode);
    if (regular && static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return Read::failure(tooLargeMessage(path));
    }
    std::string content;
    if (regular) {
        content.reserve(static_cast<std::size_t>(info.st_size));
        adviseHugePages(content.data(), content.capacity());
    }
    char buffer[1 << 16];
    for (;;) {
        // A FIFO is read without blocking, each read after a wait that a stop
        // request ends: before its writer comes it reads as empty, and a writer
        // may stall at any time. The same descriptor stays open, so the writer
        // never finds the FIFO without a reader.
        if (fifo && !waitForInput(fd)) {
            return Read::failure(readFailure(path, kStoppedReason));
        }
        const auto got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return Read::success(std::move(content));
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return Read::failure(readFailure(path, reasonFor(errno)));
        }
        if (content.size() + static_cast<std::size_t>(got) > maxBytes) {
            return Read::failure(tooLargeMessage(path));
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

WholeFileWriter::WholeFileWriter(std::filesystem::path target, const TextEncoder& encoder,
                                 Durability durability)
    : target_(std::move(target)), encoder_(encoder), durability_(durability) {
    const auto followed = followLinks(target_);
    if (!followed) {
        fail(reasonFor(errno));
        return;
    }
    replaced_ = *followed;
    struct stat existing {};
    const bool exists = ::stat(replaced_.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        fail(reasonFor(errno));
        return;
    }
    if (exists && S_ISDIR(existing.st_mode)) {
        fail(reasonFor(EISDIR));
        return;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        fail(kNotRegularReason);
        return;
    }
    // Write permission is judged by the mode bits as well, so that even a user who
    // may write anything (root) leaves a read-only file alone.
    if (exists && (existing.st_mode & 0222) == 0) {
        fail(UNDERTEXT_TRANSLATABLE("CoreMessage", "Файл защищён от записи."));
        return;
    }
    if (exists && ::access(replaced_.c_str(), W_OK) != 0) {
        fail(reasonFor(errno));
        return;
    }
    fd_ = createTemporary(replaced_.parent_path(), temporary_);
    if (fd_ < 0) {
        fail(reasonFor(errno));
        return;
    }
    if (exists) {
        // The replacement keeps the file's permissions and, where allowed, its owner.
        ::fchmod(fd_, existing.st_mode & 07777);
        [[maybe_unused]] const int owned = ::fchown(fd_, existing.st_uid, existing.st_gid);
    }
    if (!writeAll(fd_, encoder_.preamble())) {
        fail(reasonFor(errno));
    }
}

WholeFileWriter::~WholeFileWriter() {
    discard();
}

void WholeFileWriter::fail(std::string reason) {
    if (failure_.empty()) {
        failure_ = std::move(reason);
    }
}

bool WholeFileWriter::append(std::string_view piece) {
    if (!failure_.empty()) {
        return false;
    }
    if (encoder_.passesThrough()) {
        write(piece);
        return failure_.empty();
    }
    // Encoded a stretch at a time into one small buffer, made once: a large piece
    // needs no buffer of its size.
    constexpr std::size_t kStretch = 64 << 10;
    if (encoded_.empty()) {
        encoded_.resize(TextEncoder::maxEncodedSize(kStretch));
    }
    while (!piece.empty() && failure_.empty()) {
        const auto stretch = piece.substr(0, kStretch);
        const char* end = encoder_.encodeInto(stretch, encoded_.data());
        write(std::string_view(encoded_.data(), static_cast<std::size_t>(end - encoded_.data())));
        piece.remove_prefix(stretch.size());
    }
    return failure_.empty();
}

void WholeFileWriter::write(std::string_view bytes) {
    if (!writeAll(fd_, bytes)) {
        fail(reasonFor(errno));
        return;
    }
    written_ += bytes.size();
    // Only a request to the kernel, which returns at once: whatever fails here the
    // sync at the commit reports.
    constexpr std::uint64_t kWriteBackStep = 8 << 20;
    if (durability_ == Durability::Synced && written_ - writtenBack_ >= kWriteBackStep) {
        startWriteBack();
    }
}

void WholeFileWriter::startWriteBack() {
    if (failure_.empty() && written_ > writtenBack_) {
        ::sync_file_range(fd_, static_cast<off_t>(writtenBack_),
                          static_cast<off_t>(written_ - writtenBack_), SYNC_FILE_RANGE_WRITE);
        writtenBack_ = written_;
    }
}

Status WholeFileWriter::commit() {
    if (auto finished = finish(); !finished) {
        return finished;
    }
    return place();
}

Status WholeFileWriter::finish() {
    if (failure_.empty() && durability_ == Durability::Synced && ::fsync(fd_) != 0) {
        fail(reasonFor(errno));
    }
    if (failure_.empty()) {
        return Status::success();
    }
    discard();
    return Status::failure(writeFailure(target_, failure_));
}

Status WholeFileWriter::place() {
    if (failure_.empty() && ::rename(temporary_.c_str(), replaced_.c_str()) != 0) {
        fail(reasonFor(errno));
    }
    if (failure_.empty()) {
        ::close(fd_);
        fd_ = -1;
        return Status::success();
    }
    discard();
    return Status::failure(writeFailure(target_, failure_));
}

void WholeFileWriter::abandon() {
    discard();
}

void WholeFileWriter::discard() {
    if (fd_ >= 0) {
        ::unlink(temporary_.c_str());
        ::close(fd_);
        fd_ = -1;
    }
}

Status writeWholeFile(const std::filesystem::path& path, std::string_view content,
                      const TextEncoder& encoder, Durability durability) {
    WholeFileWriter writer(path, encoder, durability);
    writer.append(content);
    return writer.commit();
}

Status removeFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        return Status::failure(
            fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "Не удалось удалить файл \"%1\"."),
                   {displayPath(path)}));
    }
    return Status::success();
}

}  // namespace undertext
