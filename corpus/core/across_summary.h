#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
#include "corpus/core/summary_files.h"
#include "echoscan/core/shared_fragments.h"

namespace undertext::corpus {

// The summary of the fragments shared across texts (see summary_files.h for the
// tables' form):
// - FILE: fragment (as FragmentText holds it, blanks kept), total (its starts in
//   all texts), texts (those that hold it, two or more), length; by total, the
//   highest first, then by the fragment's bytes;
// - the by-text file: text, fragment, count, first_position (of its first
//   occurrence in that text, as kwic shows it); by text, then the highest count
//   first, then the fragment's bytes.
struct AcrossSummary {
    const echoscan::SharedFragments& found;
    const std::vector<std::string_view>& fragmentTexts;  // as searched, by text
    const std::vector<std::string>& textNames;           // as the run got them, by text
    const std::vector<std::uint64_t>& firstPositions;    // by share (firstKwicPositions)

    void produceSummary(const PieceSink& sink) const;
    void produceByText(const PieceSink& sink) const;
    // Both files whole, or neither (writeSummaryFiles).
    Status write(const std::filesystem::path& summary) const;
};

}  // namespace undertext::corpus
