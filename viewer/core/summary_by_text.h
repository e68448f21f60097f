#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "viewer/core/summary_table.h"

namespace undertext {

// The by-text file of a corpus summary, beside it: "corpus.tsv" gives
// "corpus.by-text.tsv" (".by-text" before the extension, or after a name without
// one). UTF-8, tab-separated, a header line
//   text word count                    (Embed)
//   text fragment count                (Echoscan, within texts)
//   text fragment count first_position (Echoscan, across texts)
// then one line per text and term with a count above zero.
std::filesystem::path summaryByTextPath(const std::filesystem::path& summary);

// A term's count in one text, and where it first stands there (1-based, in the
// text's decoded characters; across texts only).
struct TextCount {
    std::size_t text = 0;  // index into SummaryByText::texts
    std::uint64_t count = 0;
    std::optional<std::uint64_t> firstPosition;
};

struct SummaryByText {
    bool acrossTexts = false;
    std::vector<std::string> texts;  // as the run named them, in the order first met
    std::unordered_map<std::string, std::vector<TextCount>> counts;  // by term, UTF-8
};

// The table for a summary of the given terms, or the number (from 1) of the first
// line that does not read: a header not of those terms, a line without its
// fields, an empty text or term, a count that is not a whole number above zero.
struct SummaryByTextReading {
    std::optional<SummaryByText> table;
    std::size_t badLine = 0;
};
SummaryByTextReading readSummaryByText(std::string_view utf8, SummaryTerms terms);

}  // namespace undertext
