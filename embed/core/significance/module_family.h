#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/text/letters.h"
#include "embed/core/embedded_search.h"

namespace undertext::embed {

// The words of the selected modules as the significance test sees them: which
// distinct words it tests (its family) and how often the modules list each found
// word (the search counts a word listed twice twice at each place).
// Views into dicWords, which must outlive the object.
class ModuleFamily {
  public:
    // Modules in byte order (each default module is) take one pass over
    // neighbours; a few runs in byte order are merged, so equal words meet;
    // otherwise the entries are sorted by the hashes of their words. Either way
    // each word is compared with a few others at most.
    ModuleFamily(const DicWords& dicWords, const std::vector<EmbeddedWord>& found,
                 Language language, int modelOrder);

    // The distinct words that are tested: longer than k + 1 letters and made only
    // of lower-case letters of the language (anything else can never be found).
    std::size_t testedWords() const { return testedWords_; }

    // Whether word is of the kind tested (whether or not the modules hold it).
    bool isTested(std::string_view word) const;

    // How many entries of the modules hold a found word; 1 for a word they hold
    // once (or not at all).
    std::uint32_t entriesOf(std::string_view word) const;

  private:
    using WordEntries = std::pair<std::string_view, std::uint32_t>;
    class FoundWords;

    // False, with nothing counted, when the modules are not in byte order.
    bool countSorted(const DicWords& dicWords, const std::vector<EmbeddedWord>& found);
    // False, with nothing counted, when the modules hold more than kMaxRuns runs.
    bool countMergedRuns(const DicWords& dicWords, const std::vector<EmbeddedWord>& found);
    void countByHash(const DicWords& dicWords, const std::vector<EmbeddedWord>& found);
    // Counts a distinct word (given in byte order) held by `entries` entries.
    void countGroup(std::string_view word, std::uint32_t entries, FoundWords& foundWords);

    static constexpr std::size_t kMaxRuns = 64;

    // The lower-case letters of the language are the bytes from lowest_ to highest_.
    unsigned char lowest_ = 0;
    unsigned char highest_ = 0;
    std::size_t minimumUntested_ = 0;  // k + 1
    std::size_t testedWords_ = 0;
    std::vector<WordEntries> repeated_;  // the found words listed twice or more, in byte order
};

}  // namespace undertext::embed
