#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/letters.h"
#include "embed/core/embedded_search.h"

namespace undertext::embed::testing {

// The search, counting and report procedures step by step as first described,
// quadratic and all: the oracle that the fast path is checked against.
struct LiteralRun {
    std::vector<std::string> textWords;     // [1..WordCount]
    std::vector<std::uint32_t> wordEnd;     // [0..WordCount]
    std::vector<std::uint32_t> letterWord;  // [1..TextLetterCount]
    std::string letters;
    std::vector<std::string> positionMarks;  // [0..TextLetterCount]
    std::vector<std::string> occurrences;
    std::vector<EmbeddedWord> embedded;  // after counting, in discovery order
};

// Preparation and search only: fills everything but embedded.
LiteralRun literalSearch(const std::string& text, Language language,
                         const std::vector<std::string>& dicWords);

// Search, then counting by the pairwise duplicate removal.
LiteralRun literalRun(const std::string& text, Language language,
                      const std::vector<std::string>& dicWords);

std::string literalTextOrderReport(const LiteralRun& run);

// The selection procedure with entry j replacing the candidate when beats(j, candidate).
template <typename T, typename Beats>
void literalSelectionSort(std::vector<T>& items, Beats beats) {
    for (std::size_t i = items.size(); i-- > 1;) {
        std::size_t candidate = 0;
        for (std::size_t j = 1; j <= i; ++j) {
            if (beats(items[j], items[candidate])) {
                candidate = j;
            }
        }
        std::swap(items[candidate], items[i]);
    }
}

}  // namespace undertext::embed::testing
