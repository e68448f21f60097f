#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace undertext::testing {

// An English text of letters a to c with a blank now and then, and a module of
// many short words of the same letters, one a line: a run of Embed over them
// takes a while, its letter file standing as the module loads and its search
// passing many stop points.
struct LargeEmbedRun {
    std::string text;
    std::string module;
};

inline LargeEmbedRun largeEmbedRun(std::size_t textLetters, std::size_t moduleWords) {
    std::mt19937 random(11);
    LargeEmbedRun run;
    for (std::size_t i = 0; i < textLetters; ++i) {
        run.text += static_cast<char>('a' + random() % 3);
        run.text += random() % 8 ? "" : " ";
    }
    for (std::size_t i = 0; i < moduleWords; ++i) {
        run.module += std::string(1 + random() % 6, static_cast<char>('a' + random() % 3)) + "\r\n";
    }
    return run;
}

}  // namespace undertext::testing
