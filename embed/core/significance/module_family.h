#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/text/letters.h"
#include "embed/core/embedded_search.h"

namespace undertext::embed {

// The words of the selected modules as the significance test sees them: which
// distinct words it tests (its family) and how often the modules list each found
// word (the search counts a word listed twice twice at each place).
// Views into dicWords, which must outlive the object.
class ModuleFamily {
  public:
    // One pass over the words in byte order (order: dicWords's, as the search
    // walks them): equal words are neighbours there, known as such by their shared
    // prefixes without comparing them again, and a word's letters are checked only
    // past what it shares with the word before.
    ModuleFamily(const DicWords& dicWords, const DictionaryOrder& order,
                 const std::vector<EmbeddedWord>& found, Language language, int modelOrder);
    // The same, ordering the words first.
    ModuleFamily(const DicWords& dicWords, const std::vector<EmbeddedWord>& found,
                 Language language, int modelOrder)
        : ModuleFamily(dicWords, DictionaryOrder(dicWords), found, language, modelOrder) {}

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

    bool isLowerLetter(char c) const {
        const auto b = static_cast<unsigned char>(c);
        return b >= lowest_ && b <= highest_;
    }

    // The lower-case letters of the language are the bytes from lowest_ to highest_.
    unsigned char lowest_ = 0;
    unsigned char highest_ = 0;
    std::size_t minimumUntested_ = 0;  // k + 1
    std::size_t testedWords_ = 0;
    std::vector<WordEntries> repeated_;  // the found words listed twice or more, in byte order
};

}  // namespace undertext::embed
