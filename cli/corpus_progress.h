#pragma once

#include <chrono>
#include <string>

#include "corpus/core/text_pool.h"

namespace undertext::cli {

// The progress of a corpus run on standard error: on a terminal one line, rewritten
// after each text, with the texts and megabytes done of all and the time left;
// otherwise one line per finished text. Called from one thread at a time.
class CorpusProgress {
  public:
    explicit CorpusProgress(bool quiet);
    ~CorpusProgress();
    CorpusProgress(const CorpusProgress&) = delete;
    CorpusProgress& operator=(const CorpusProgress&) = delete;

    void finished(const corpus::TextFinished& done, const std::string& textName);
    // Ends the updating line, so that what follows starts on a line of its own.
    void endLine();

  private:
    bool quiet_;
    bool terminal_;
    bool lineOpen_ = false;
    std::chrono::steady_clock::time_point start_;
};

// "12/40 texts, 3.0/10.0 MB, 0:42 left": the line the terminal shows. secondsLeft
// below 0: not known yet.
std::string progressLine(const corpus::TextFinished& done, long long secondsLeft);

}  // namespace undertext::cli
