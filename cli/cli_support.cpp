#include "cli/cli_support.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <utility>

#include "cli/message_language.h"
#include "cli/terminal_text.h"
#include "common/core/files/disk_space.h"
#include "common/core/files/file_io.h"
#include "common/core/messages/translatable.h"

namespace undertext::cli {

DecodedText decodeSourceText(const std::filesystem::path& file, std::string&& bytes,
                             std::optional<TextEncoding> forced) {
    auto decoded = decodeText(std::move(bytes), forced);
    printError("encoding of " + displayPath(file) + ": " + describeEncoding(decoded.encoding));
    if (decoded.invalidBytes > 0) {
        printError(std::to_string(decoded.invalidBytes) +
                   " invalid bytes replaced by separators in " + displayPath(file));
    }
    return decoded;
}

void printError(const std::string& message) {
    std::cerr << "undertext: " << visible(inMessageLanguage(message, environmentMessageLanguage()))
              << '\n';
}

ReportSizeApproval reportSizeLimit(std::uint64_t maxBytes) {
    return [maxBytes](std::uint64_t bytes) {
        if (maxBytes == 0 || bytes <= maxBytes) {
            return Status::success();
        }
        const std::string size = inMessageLanguage(sizeText(bytes), environmentMessageLanguage());
        return Status::failure("the reports would take " + size + " (" + std::to_string(bytes) +
                               " bytes), over --max-report-size " + std::to_string(maxBytes) +
                               "; allow them with a larger --max-report-size, or 0 for no limit");
    };
}

TextLocking takeTextLock(TextLock& lock, bool wait, const std::function<void()>& waiting) {
    if (lock.tryLock()) {
        return TextLocking::Taken;
    }
    if (!wait) {
        return TextLocking::Busy;
    }
    if (waiting) {
        waiting();
    }
    return lock.waitForLock([] { return stopRequested(); }) ? TextLocking::Taken
                                                            : TextLocking::Stopped;
}

bool lockForRun(TextLock& lock, const std::filesystem::path& text, bool wait) {
    const auto locking = takeTextLock(lock, wait, [&text] {
        printError("waiting for another run on " + displayPath(text) + " to end");
    });
    switch (locking) {
        case TextLocking::Taken:
            return true;
        case TextLocking::Busy:
            printError("another run on " + displayPath(text) +
                       " is still going; add --wait to wait for it to end");
            return false;
        case TextLocking::Stopped:
            printError("stopped");
            return false;
    }
    return false;
}

std::optional<std::string> moduleFolderProblem(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto status = fs::status(folder, error);
    if (!error || error == std::errc::no_such_file_or_directory) {
        if (!fs::is_directory(status)) {
            return "no folder " + folder.string();
        }
        fs::directory_iterator(folder, error);
    }
    if (error) {
        return "cannot read the folder " + folder.string() + ": " + error.message();
    }
    return std::nullopt;
}

int finishStandardOutput(int status) {
    if (std::cout.flush()) {  // a failed write leaves the stream failed
        return status;
    }
    printError(std::string("cannot write to standard output: ") + std::strerror(errno));
    return status == kExitOk ? kExitRefused : status;
}

TerminalProgress::TerminalProgress() : enabled_(::isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (enabled_ && shown_ >= 0) {
        std::fputc('\n', stderr);
    }
}

void TerminalProgress::progress(int percent) {
    if (!enabled_ || percent == shown_) {
        return;
    }
    shown_ = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d %%",
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), ' ').c_str(), percent);
    std::fflush(stderr);
}

namespace {

std::string& blame() {
    static std::string message = UNDERTEXT_TRANSLATABLE("CoreMessage", "Недостаточно памяти.");
    return message;
}

}  // namespace

void blameOutOfMemoryOn(std::string message) {
    blame() = std::move(message);
}

const std::string& outOfMemoryBlame() {
    return blame();
}

}  // namespace undertext::cli
