#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/text/letters.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"

namespace undertext::embed::testing {

// The preparation, search, counting and text-order report step by step as first
// described, quadratic and all: the oracle for the fast path (and the benchmark's
// baseline).
struct LiteralRun {
    std::string letters;
    std::vector<std::uint32_t> wordEnd{0}, letterWord{0};  // [0..WordCount], [1..TextLetterCount]
    std::vector<std::string> positionMarks, occurrences;
    std::vector<EmbeddedWord> embedded;  // after counting, in the order of discovery
    std::string report;                  // the text-order report, after counting
};

// Preparation and search only.
LiteralRun literalSearch(const std::string& text, Language language,
                         const std::vector<std::string>& dicWords);

// Search, counting and the text-order report.
LiteralRun literalRun(const std::string& text, Language language,
                      const std::vector<std::string>& dicWords);

// The selection sort of a sorted report with the order it states.
void literalReportSort(SortedReport report, std::vector<EmbeddedWord>& words);

// Windows-1251 bytes of a UTF-8 literal.
inline std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

inline DicWords dicWordsOf(const std::vector<std::string>& words) {
    DicWords dicWords;
    for (const auto& word : words) {
        dicWords.append(word);
    }
    return dicWords;
}

}  // namespace undertext::embed::testing
