#include "cli_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace undertext::cli {

Result<Arguments> parseArguments(const std::vector<std::string>& args,
                                 const std::set<std::string>& knownOptions) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg == "--") {
            parsed.positional.push_back(arg);
            continue;
        }
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        if (!knownOptions.contains(name)) {
            return Result<Arguments>::failure("unknown option " + name);
        }
        if (eq != std::string::npos) {
            parsed.options[name] = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            parsed.options[name] = args[++i];
        } else {
            return Result<Arguments>::failure("option " + name + " needs a value");
        }
    }
    return Result<Arguments>::success(std::move(parsed));
}

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
