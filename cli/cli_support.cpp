#include "cli_support.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace undertext::cli {

std::optional<Language> languageOption(const std::string& value) {
    if (value == "ru") {
        return Language::Russian;
    }
    if (value == "en") {
        return Language::English;
    }
    return std::nullopt;
}

std::vector<std::string> splitModuleNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

void printError(const std::string& message) {
    std::cerr << "undertext: " << message << '\n';
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
    std::cout.flush();
    const bool lost = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!lost) {
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

}  // namespace undertext::cli
