#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/core/dictionary/dictionary.h"

namespace undertext {

// The dictionary's entries in byte order of their words, with what a walk over
// them in that order needs: how many letters each word shares with the one before,
// and where the words that share at least some letters with it end. Made once per
// dictionary and shared, read-only, by every search over it (a run over many texts
// would otherwise sort and compare the whole dictionary again for each text).
// Empty entries are left out: they could never be found. 12 bytes per entry.
class DictionaryOrder {
  public:
    explicit DictionaryOrder(const DicWords& dicWords);

    // The non-empty entries.
    std::size_t size() const { return entries_.size(); }
    // The dictionary index of the place-th entry in byte order (a stable order:
    // equal words keep their dictionary order).
    std::uint32_t entry(std::size_t place) const { return entries_[place]; }
    // The letters the word at place shares with the word before it (0 for the first).
    std::uint32_t sharedWithPrevious(std::size_t place) const { return shared_[place]; }
    std::size_t longestWord() const { return longest_; }

    // The end of the places from `place` on whose words equal its word (dicWords:
    // the words the order was made of). Equal words are neighbours, known by their
    // shared prefixes without comparing them again.
    std::size_t endOfEqualWords(const DicWords& dicWords, std::size_t place) const {
        const auto length = dicWords[entries_[place]].size();
        auto end = place + 1;
        while (end < entries_.size() && shared_[end] == length &&
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
        while (from < entries_.size() && shared_[from] >= letters) {
            from = nextSharingFewer_[from];
        }
        return from;
    }

  private:
    std::vector<std::uint32_t> entries_;
    std::vector<std::uint32_t> shared_;
    // The first later place that shares fewer letters than this one: the places
    // between share at least as many, so a skip may jump over them.
    std::vector<std::uint32_t> nextSharingFewer_;
    std::size_t longest_ = 0;
};

}  // namespace undertext
