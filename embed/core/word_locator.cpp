#include "embed/core/word_locator.h"

#include <algorithm>

namespace undertext::embed {

WordLocator::WordLocator(std::string_view source, Language language)
    : text_(prepareLetters(source, language, &sourcePositions_)), index_(text_.letters) {}

std::vector<SourceSpan> WordLocator::find(std::string_view word) const {
    std::vector<SourceSpan> spans;
    const auto& wordEnd = text_.wordEnd;
    auto slot = wordEnd.begin();
    for (const auto start : index_.startsOf(word)) {
        // The slot that holds the first letter: the first whose end lies past it.
        // Starts ascend, so the search goes on from the last slot, galloping.
        std::ptrdiff_t step = 1;
        while (step < wordEnd.end() - slot && slot[step] <= start) {
            step *= 2;
        }
        slot = std::upper_bound(slot + step / 2, slot + std::min(step + 1, wordEnd.end() - slot),
                                start);
        if (text_.textWord(static_cast<std::uint32_t>(slot - wordEnd.begin())) != word) {
            spans.push_back(
                {sourcePositions_[start], sourcePositions_[start + word.size() - 1] + 1});
        }
    }
    return spans;
}

}  // namespace undertext::embed
