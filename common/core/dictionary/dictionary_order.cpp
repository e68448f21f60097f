#include "common/core/dictionary/dictionary_order.h"

#include <algorithm>
#include <string_view>

namespace undertext {
namespace {

std::uint32_t commonPrefix(std::string_view a, std::string_view b) {
    const auto limit = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < limit && a[i] == b[i]) {
        ++i;
    }
    return static_cast<std::uint32_t>(i);
}

}  // namespace

DictionaryOrder::DictionaryOrder(const DicWords& dicWords) {
    entries_.reserve(dicWords.size());
    for (std::uint32_t k = 0; k < dicWords.size(); ++k) {
        if (!dicWords[k].empty()) {
            entries_.push_back(k);
            longest_ = std::max(longest_, dicWords[k].size());
        }
    }
    const auto byWord = [&](std::uint32_t a, std::uint32_t b) { return dicWords[a] < dicWords[b]; };
    // The default modules come sorted; others are sorted here.
    if (!std::is_sorted(entries_.begin(), entries_.end(), byWord)) {
        std::stable_sort(entries_.begin(), entries_.end(), byWord);
    }
    const auto count = entries_.size();
    steps_.resize(count);
    for (std::size_t place = 0; place < count; ++place) {
        const auto word = dicWords[entries_[place]];
        const auto shared = place == 0 ? 0 : commonPrefix(dicWords[entries_[place - 1]], word);
        steps_[place].shared =
            static_cast<std::uint8_t>(std::min<std::uint32_t>(shared, kManyLetters));
        if (shared >= kManyLetters) {
            longShares_[static_cast<std::uint32_t>(place)] = shared;
        }
        steps_[place].letterAfterShared =
            shared < word.size() ? static_cast<unsigned char>(word[shared]) : 0;
    }
    // From the right, a stack of places with strictly rising shares.
    nextSharingFewer_.resize(count);
    std::vector<std::uint32_t> later;
    for (std::size_t place = count; place-- > 0;) {
        while (!later.empty() && sharedWithPrevious(later.back()) >= sharedWithPrevious(place)) {
            later.pop_back();
        }
        nextSharingFewer_[place] = later.empty() ? static_cast<std::uint32_t>(count) : later.back();
        later.push_back(static_cast<std::uint32_t>(place));
    }
}

}  // namespace undertext
