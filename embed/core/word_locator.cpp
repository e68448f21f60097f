#include "word_locator.h"

#include <algorithm>

namespace undertext::embed {

WordLocator::WordLocator(std::string_view source, Language language)
    : text_(prepareLetters(source, language, &sourcePositions_)), index_(text_.letters) {}

std::vector<SourceSpan> WordLocator::find(std::string_view word) const {
    std::vector<SourceSpan> spans;
    for (const auto start : index_.startsOf(word)) {
        // The slot that holds the first letter: the first whose end lies past it.
        const auto slot = static_cast<std::uint32_t>(
            std::upper_bound(text_.wordEnd.begin(), text_.wordEnd.end(), start) -
            text_.wordEnd.begin());
        if (text_.textWord(slot) != word) {
            spans.push_back(
                {sourcePositions_[start], sourcePositions_[start + word.size() - 1] + 1});
        }
    }
    return spans;
}

}  // namespace undertext::embed
