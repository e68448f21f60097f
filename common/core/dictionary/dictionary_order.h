#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "common/core/dictionary/dictionary.h"

namespace undertext {

// The dictionary's entries in byte order of their words, with what a walk over
// them in that order needs: how many letters each word shares with the one before,
// and where the words that share at least some letters with it end. Made once per
// dictionary and shared, read-only, by every search over it (a run over many texts
// would otherwise sort and compare the whole dictionary again for each text).
// Empty entries are left out: they could never be found. 10 bytes per entry.
class DictionaryOrder {
  public:
    explicit DictionaryOrder(const DicWords& dicWords);

    // The non-empty entries.
    std::size_t size() const { return entries_.size(); }
    // The dictionary index of the place-th entry in byte order (a stable order:
    // equal words keep their dictionary order).
    std::uint32_t entry(std::size_t place) const { return entries_[place]; }
    // The letters the word at place shares with the word before it (0 for the first).
    std::uint32_t sharedWithPrevious(std::size_t place) const {
        const auto shared = steps_[place].shared;
        return shared < kManyLetters ? shared : longShares_.at(static_cast<std::uint32_t>(place));
    }
    // The word's letter that follows those it shares with the word before (a word
    // equal to the one before has none: 0). Kept beside the shares, so that a walk
    // that leaves most words at that letter need not read them.
    unsigned char letterAfterShared(std::size_t place) const {
        return steps_[place].letterAfterShared;
    }
    std::size_t longestWord() const { return longest_; }

    // The end of the places from `place` on whose words equal its word (dicWords:
    // the words the order was made of). Equal words are neighbours, known by their
    // shared prefixes without comparing them again.
    std::size_t endOfEqualWords(const DicWords& dicWords, std::size_t place) const {
        const auto length = dicWords[entries_[place]].size();
        auto end = place + 1;
        while (end < entries_.size() && sharedWithPrevious(end) == length &&
               dicWords[entries_[end]].size() == length) {
            ++end;
        }
        return end;
    }

    // The first place from `from` on whose word shares fewer than `letters` letters
    // with the word before `from` (size() when none does). Every word skipped
    // begins with the same `letters` letters as that word: a walk that found those
    // letters absent from a text skips them all at once.
    std::size_t firstSharingFewerThan(std::size_t from, std::uint32_t letters) const {
        while (from < entries_.size() && sharedWithPrevious(from) >= letters) {
            from = nextSharingFewer_[from];
        }
        return from;
    }

  private:
    // What a walk reads of every place it passes, two bytes side by side: a walk
    // over the order streams through them, so they are kept small.
    static constexpr std::uint8_t kManyLetters = 0xFF;  // that many or more: see longShares_
    struct Step {
        std::uint8_t shared = 0;
        unsigned char letterAfterShared = 0;
    };

    std::vector<Step> steps_;
    std::unordered_map<std::uint32_t, std::uint32_t> longShares_;  // by place, when kManyLetters
    std::vector<std::uint32_t> entries_;
    // The first later place that shares fewer letters than this one: the places
    // between share at least as many, so a skip may jump over them.
    std::vector<std::uint32_t> nextSharingFewer_;
    std::size_t longest_ = 0;
};

}  // namespace undertext
