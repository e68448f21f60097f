#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"
#include "echoscan/core/recurring_fragments.h"
#include "embed/core/embedded_search.h"
#include "embed/core/significance/text_model.h"

namespace undertext::corpus {

// What the corpus summaries take from one text's run: built from what the text's
// job returns, or read back from the reports it wrote (report_summary.h). `text`
// is the text's path as the run got it (displayPath of CorpusText::path), UTF-8:
// the first column of the by-text files.

struct EmbedTextRecord {
    std::string text;
    std::uint64_t letterCount = 0;           // TextLetterCount: the letters searched
    std::vector<embed::EmbeddedWord> words;  // EmbeddedWords, in any order
    // For a summary with significance columns: the text's model (absent when the
    // text is too short for it), its language and the tested words of the modules
    // it was searched with.
    std::optional<embed::TextModel> textModel{};
    Language language = Language::Russian;
    std::size_t familySize = 0;
};

// A recurring fragment (Windows-1251, as FragmentText holds it, blanks kept) and
// the number of its occurrences.
struct FragmentCount {
    std::string fragment;
    std::uint64_t count = 0;

    friend bool operator==(const FragmentCount&, const FragmentCount&) = default;
};

struct EchoscanTextRecord {
    std::string text;
    std::vector<FragmentCount> fragments;  // RecurringFragments, in any order
};

// The record of a completed Echoscan run: its RecurringFragments with their texts
// taken out of its FragmentText.
EchoscanTextRecord echoscanTextRecord(std::string text, std::string_view fragmentText,
                                      const std::vector<echoscan::RecurringFragment>& fragments);

}  // namespace undertext::corpus
