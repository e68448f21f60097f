#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <utility>

namespace undertext {
namespace {

std::string readFailure(const std::filesystem::path& path) {
    return "Не удалось прочитать файл \"" + displayPath(path) + "\".";
}

std::string writeFailure(const std::filesystem::path& path) {
    return "Не удалось записать файл \"" + displayPath(path) + "\".";
}

// A name for the temporary file beside the target that no other writer uses.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + string.
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp";
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
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

Result<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Result<std::string>::failure(readFailure(path));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Result<std::string>::failure(readFailure(path));
    }
    std::string content;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        content.reserve(size);
    }
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return Result<std::string>::failure(readFailure(path));
    }
    return Result<std::string>::success(std::move(content));
}

WholeFileWriter::WholeFileWriter(std::filesystem::path target, const TextEncoder& encoder)
    : target_(std::move(target)), temporary_(temporaryBeside(target_)), encoder_(encoder) {
    // The temporary file takes the permissions a new file would get (umask applies);
    // an existing target keeps its own.
    mode_t mode = 0666;
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            failed_ = true;
            return;
        }
        mode = existing.st_mode & 07777;
    }
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    failed_ = fd_ < 0 || !writeAll(fd_, encoder_.preamble());
}

WholeFileWriter::~WholeFileWriter() {
    discard();
}

bool WholeFileWriter::append(std::string_view piece) {
    if (failed_) {
        return false;
    }
    if (!encoder_.passesThrough()) {
        // The buffer only grows, so it is not filled anew for every piece.
        const auto room = TextEncoder::maxEncodedSize(piece.size());
        if (encoded_.size() < room) {
            encoded_.resize(room);
        }
        const char* end = encoder_.encodeInto(piece, encoded_.data());
        piece = std::string_view(encoded_.data(), static_cast<std::size_t>(end - encoded_.data()));
    }
    failed_ = !writeAll(fd_, piece);
    return !failed_;
}

Status WholeFileWriter::commit() {
    if (fd_ >= 0) {
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!failed_ && closed && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
            return Status::success();
        }
        ::unlink(temporary_.c_str());
    }
    failed_ = true;
    return Status::failure(writeFailure(target_));
}

void WholeFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
        fd_ = -1;
    }
}

Status writeWholeFile(const std::filesystem::path& path, std::string_view content,
                      const TextEncoder& encoder) {
    WholeFileWriter writer(path, encoder);
    writer.append(content);
    return writer.commit();
}

Status removeFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        return Status::failure("Не удалось удалить файл \"" + displayPath(path) + "\".");
    }
    return Status::success();
}

}  // namespace undertext
