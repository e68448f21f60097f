#include "embed/core/significance/expected_count.h"

#include <string>

#include "embed/core/significance/self_overlap.h"

namespace undertext::embed {

CountablePositions::CountablePositions(const PreparedText& text) : text_(text) {
    for (std::uint32_t slot = 1; slot <= text.wordCount(); ++slot) {
        const std::size_t length = text.wordEnd[slot] - text.wordEnd[slot - 1];
        if (length >= slotsOfLength_.size()) {
            slotsOfLength_.resize(length + 1);
        }
        ++slotsOfLength_[length];
    }
}

std::uint64_t CountablePositions::ofLength(std::size_t length) const {
    const std::uint64_t letters = text_.letterCount();
    if (length == 0 || length > letters) {
        return 0;
    }
    return letters - length + 1 - (length < slotsOfLength_.size() ? slotsOfLength_[length] : 0);
}

std::uint64_t CountablePositions::slotsWithRoomAfter(std::size_t length, std::size_t shift) const {
    if (length == 0 || length >= slotsOfLength_.size()) {
        return 0;
    }
    // The slots that end too late are the last ones.
    std::uint64_t slots = slotsOfLength_[length];
    const std::uint64_t letters = text_.letterCount();
    for (auto slot = text_.wordCount(); slot >= 1 && text_.wordEnd[slot] + shift > letters;
         --slot) {
        if (text_.wordEnd[slot] - text_.wordEnd[slot - 1] == length) {
            --slots;
        }
    }
    return slots;
}

double expectedCount(const LetterModel& model, const CountablePositions& positions,
                     std::string_view word) {
    auto places = static_cast<double>(positions.ofLength(word.size()));
    std::string overlapped;
    for (const auto shift : wordPeriods(word)) {
        overlapped.assign(word.substr(0, shift));
        overlapped += word;
        places -= model.continuationProbability(overlapped, word.size()) *
                  static_cast<double>(positions.slotsWithRoomAfter(word.size(), shift));
    }
    return model.wordProbability(word) * places;
}

}  // namespace undertext::embed
