#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/job_control.h"
#include "create/core/phrase_analysis.h"

namespace undertext::create {

// What the search of one synthesis run reads. The dictionary is shared, so the
// search can run on another thread while the window keeps its own reference.
struct SearchInput {
    std::vector<std::string> words;  // lower-cased, Windows-1251, at most 40 of at most 80 letters
    int letterCount = 0;
    std::shared_ptr<const DicWords> dicWords;
    std::int64_t progressStep = 0;  // tested entries per progress update; 0 or less: none
};

// ProgressStep: 2 × N × letterCount / 96 with N = dicWordCount - 1, rounded to
// the nearest whole number, halves to even.
std::int64_t progressStepFor(std::size_t dicWordCount, int letterCount);

// The search of a synthesis run: for every word the transition search, the
// embedded-word search, the cross-word search (from the second word) and the
// mode list. It has a stop point after every tested dictionary entry of the
// transition search (passed through job.passStopPoints() in runs, once per
// transition at least: the dictionary is read once per run, not once per
// transition) and after every outer entry of each cross-word join, and reports
// progress 2, 4, 6, ... (at most 100) every progressStep tested entries.
// Returns the analysis, or nullopt when a stop point asked to stop. Touches
// nothing but its arguments, so it may run on a worker thread.
std::optional<PhraseAnalysis> searchPhrase(const SearchInput& input, JobControl& job);

}  // namespace undertext::create
