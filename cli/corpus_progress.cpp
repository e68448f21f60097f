#include "cli/corpus_progress.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli/terminal_text.h"
#include "corpus/core/summary_files.h"

namespace undertext::cli {
namespace {

std::string megabytes(std::uint64_t bytes) {
    constexpr double kMegabyte = 1'000'000.0;
    return corpus::fixedDecimal(static_cast<double>(bytes) / kMegabyte, 1);
}

std::string minutesAndSeconds(long long seconds) {
    const auto secondsPart = seconds % 60;
    return std::to_string(seconds / 60) + (secondsPart < 10 ? ":0" : ":") +
           std::to_string(secondsPart);
}

}  // namespace

std::string progressLine(const corpus::TextFinished& done, long long secondsLeft) {
    std::string line = std::to_string(done.textsDone) + "/" + std::to_string(done.textsTotal) +
                       " texts, " + megabytes(done.bytesDone) + "/" + megabytes(done.bytesTotal) +
                       " MB";
    if (secondsLeft >= 0) {
        line += ", " + minutesAndSeconds(secondsLeft) + " left";
    }
    return line;
}

CorpusProgress::CorpusProgress(bool quiet)
    : quiet_(quiet),
      terminal_(::isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()) {}

CorpusProgress::~CorpusProgress() {
    endLine();
}

void CorpusProgress::finished(const corpus::TextFinished& done, const std::string& textName) {
    if (quiet_) {
        return;
    }
    if (!terminal_) {
        std::cerr << "undertext: " << done.textsDone << "/" << done.textsTotal << " "
                  << visible(textName) << '\n';
        return;
    }
    long long secondsLeft = -1;
    if (done.bytesDone > 0 && done.bytesDone < done.bytesTotal) {
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        secondsLeft =
            static_cast<long long>(elapsed * static_cast<double>(done.bytesTotal - done.bytesDone) /
                                   static_cast<double>(done.bytesDone));
    } else if (done.bytesDone >= done.bytesTotal) {
        secondsLeft = 0;
    }
    std::cerr << "\r\033[K" << progressLine(done, secondsLeft) << std::flush;
    lineOpen_ = true;
}

void CorpusProgress::endLine() {
    if (lineOpen_) {
        std::cerr << '\n' << std::flush;
        lineOpen_ = false;
    }
}

}  // namespace undertext::cli
