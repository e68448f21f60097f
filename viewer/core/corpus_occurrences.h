#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "viewer/core/kwic_lines.h"
#include "viewer/core/source_preparation.h"
#include "viewer/core/summary_texts.h"

namespace undertext {

// A text of a corpus to look for a fragment in: its index among the by-text
// file's texts, how it was found and read, and its preparation when at hand.
struct TextToSearch {
    std::size_t text = 0;
    MeasuredText measured;
    std::shared_ptr<const PreparedSource> prepared;  // null: to be prepared
};

struct CorpusOccurrence {
    std::size_t text = 0;
    KwicLine line;
};

struct CorpusOccurrences {
    std::vector<CorpusOccurrence> lines;  // text by text, in the order given
    // The last `keep` preparations used, the most recent last, to be kept at hand.
    std::vector<std::pair<std::size_t, std::shared_ptr<const PreparedSource>>> prepared;
};

// The occurrences of the fragment (Windows-1251) in each text, preparing the texts
// not at hand one at a time with makeFinder, so that no more than `keep` of them
// are held at once. Checks `stop` before each text. Touches nothing but its
// arguments, so it may run on a worker thread.
CorpusOccurrences findInTexts(std::vector<TextToSearch> texts, std::string_view fragment,
                              const OccurrenceFinderMaker& makeFinder, std::size_t keep,
                              const std::atomic<bool>& stop);

}  // namespace undertext
