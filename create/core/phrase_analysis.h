#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"

namespace undertext::create {

// The phrase box holds at most 80 characters, so a phrase has at most 40 words
// and no transition reaches 81.
inline constexpr int kMaxPhraseLength = 80;

// A candidate is an index into DicWords; two entries with the same text are two
// different candidates.
using DicIndex = std::int32_t;
using Transition = std::uint8_t;

// The ways a word is hidden in a variant; the codes are fixed.
enum class VariantMode : std::uint8_t {
    Transition = 0,  // W1 W2
    Refrain = 1,     // R R
    Embedded = 2,    // E
    Wp2W1 = 3,       // previous W1, shared word, W2
    RpW1 = 4,        // previous refrain, shared word, W2
    EpW1 = 5,        // shared word, W2
    Wp2R = 6,        // previous W1, shared word twice
    Wp2E = 7,        // previous W1, shared word
};

inline constexpr int kModePositions = 8;

// A candidate with one transition: a left or right word (W1List, W2List) or a
// cross-word match that records one transition (RpW1List, EpW1List, Wp2RList,
// Wp2EList).
struct TransitionEntry {
    DicIndex index;
    Transition transition;

    bool operator==(const TransitionEntry&) const = default;
};

// A Wp2W1List entry: the shared word with the previous word's and the current
// word's transition.
struct Wp2W1Entry {
    DicIndex index;
    Transition previous;
    Transition current;

    bool operator==(const Wp2W1Entry&) const = default;
};

// The stretch of W1List or W2List found at one transition: entries [begin, end).
struct ListStretch {
    std::int32_t begin = 0;
    std::int32_t end = 0;

    std::int32_t size() const { return end - begin; }
    bool operator==(const ListStretch&) const = default;
};

// The candidates of one phrase word. Let L be the word's length, 2 for a
// one-letter word. Lists hold the candidates in the order the search finds them.
struct WordAnalysis {
    std::vector<TransitionEntry> w1List;  // grouped by ascending transition, then DicWords order
    std::vector<ListStretch> w1Range;     // indexed by transition 1..L-1 (slot 0 unused)
    std::vector<TransitionEntry> w2List;
    std::vector<ListStretch> w2Range;
    std::vector<Transition> keptTransitions;  // ascending
    std::vector<DicIndex> rList;
    std::vector<DicIndex> eList;
    std::vector<Wp2W1Entry> wp2W1List;  // cross-word lists: empty for the first word
    std::vector<TransitionEntry> rpW1List;
    std::vector<TransitionEntry> epW1List;
    std::vector<TransitionEntry> wp2RList;
    std::vector<TransitionEntry> wp2EList;
    std::array<VariantMode, kModePositions> modeList{};  // positions past modeCount read as mode 0
    int modeCount = 0;
    int singleModeCount = 0;  // modes 0 to 2, which come first

    // The mode at position k, counted from 1; past modeCount (or out of range) mode 0.
    VariantMode modeAt(int k) const {
        return (k >= 1 && k <= modeCount) ? modeList[static_cast<std::size_t>(k - 1)]
                                          : VariantMode::Transition;
    }
};

// The result of one synthesis run: the phrase's words (lower-cased, Windows-1251),
// one WordAnalysis per word and the dictionary its indices refer to. Immutable
// once the run has completed; read by variant composition and the results file.
struct PhraseAnalysis {
    std::shared_ptr<const DicWords> dicWords;
    std::vector<std::string> words;
    int letterCount = 0;
    int maxWordLength = 0;
    std::vector<WordAnalysis> wordAnalyses;
};

}  // namespace undertext::create
