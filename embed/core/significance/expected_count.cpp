#include "embed/core/significance/expected_count.h"

#include <string>

#include "embed/core/significance/self_overlap.h"

namespace undertext::embed {

CountablePositions::CountablePositions(const PreparedText& text)
    : letterCount_(text.letterCount()) {
    for (std::uint32_t slot = 1; slot <= text.wordCount(); ++slot) {
        const std::size_t length = text.wordEnd[slot] - text.wordEnd[slot - 1];
        if (length >= slotsOfLength_.size()) {
            slotsOfLength_.resize(length + 1);
        }
        ++slotsOfLength_[length];
        // An occurrence starts at most length - 1 letters into a slot, so only a
        // slot with fewer letters than that after it can lack room.
        const std::size_t lettersAfter = letterCount_ - text.wordEnd[slot];
        if (lettersAfter + 1 < length) {
            slotsNearEnd_.push_back({length, lettersAfter});
        }
    }
}

std::uint64_t CountablePositions::ofLength(std::size_t length) const {
    if (length == 0 || length > letterCount_) {
        return 0;
    }
    return letterCount_ - length + 1 -
           (length < slotsOfLength_.size() ? slotsOfLength_[length] : 0);
}

std::uint64_t CountablePositions::slotsWithRoomAfter(std::size_t length, std::size_t shift) const {
    if (length == 0 || length >= slotsOfLength_.size()) {
        return 0;
    }
    std::uint64_t slots = slotsOfLength_[length];
    for (const auto& slot : slotsNearEnd_) {
        if (slot.length == length && slot.lettersAfter < shift) {
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
