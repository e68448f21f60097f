#include "embed/core/significance/module_family.h"

#include <algorithm>

namespace undertext::embed {

// The found words in byte order, passed over beside words given in byte order.
class ModuleFamily::FoundWords {
  public:
    explicit FoundWords(const std::vector<EmbeddedWord>& found) : found_(found) {}

    // Whether word, which follows the words asked about before, was found.
    bool holdsNext(std::string_view word) {
        if (words_.empty() && !found_.empty()) {
            // Sorted at the first question: modules without repeated words ask none.
            for (const auto& known : found_) {
                words_.push_back(known.word);
            }
            std::sort(words_.begin(), words_.end());
        }
        while (next_ < words_.size() && words_[next_] < word) {
            ++next_;
        }
        return next_ < words_.size() && words_[next_] == word;
    }

  private:
    const std::vector<EmbeddedWord>& found_;
    std::vector<std::string_view> words_;
    std::size_t next_ = 0;
};

ModuleFamily::ModuleFamily(const DicWords& dicWords, const DictionaryOrder& order,
                           const std::vector<EmbeddedWord>& found, Language language,
                           int modelOrder)
    : minimumUntested_(static_cast<std::size_t>(modelOrder) + 1) {
    for (int b = 255; b >= 0; --b) {
        const auto byte = static_cast<unsigned char>(b);
        if (isLetter(byte, language) && lowerLetter(byte, language) == byte) {
            lowest_ = byte;
            highest_ = std::max(highest_, byte);
        }
    }
    FoundWords foundWords(found);
    std::size_t lettersOfPrevious = 0;  // how many of its first bytes are lower-case letters
    for (std::size_t place = 0; place < order.size();) {
        const auto word = dicWords[order.entry(place)];
        const auto end = order.endOfEqualWords(dicWords, place);
        // The bytes shared with the previous word were checked with it.
        std::size_t letters =
            std::min<std::size_t>(order.sharedWithPrevious(place), lettersOfPrevious);
        while (letters < word.size() && isLowerLetter(word[letters])) {
            ++letters;
        }
        testedWords_ += letters == word.size() && word.size() > minimumUntested_;
        const auto entries = static_cast<std::uint32_t>(end - place);
        if (entries > 1 && foundWords.holdsNext(word)) {
            repeated_.emplace_back(word, entries);
        }
        lettersOfPrevious = letters;
        place = end;
    }
}

bool ModuleFamily::isTested(std::string_view word) const {
    return word.size() > minimumUntested_ &&
           std::all_of(word.begin(), word.end(), [this](char c) { return isLowerLetter(c); });
}

std::uint32_t ModuleFamily::entriesOf(std::string_view word) const {
    const auto repeated =
        std::lower_bound(repeated_.begin(), repeated_.end(), WordEntries(word, 0));
    return repeated != repeated_.end() && repeated->first == word ? repeated->second : 1;
}

}  // namespace undertext::embed
