#include "embed/core/significance/self_overlap.h"

#include <algorithm>
#include <string>

namespace undertext::embed {

std::vector<std::size_t> wordPeriods(std::string_view word) {
    // border[i]: the length of the longest proper border of word[0..i].
    std::vector<std::size_t> border(word.size(), 0);
    for (std::size_t i = 1; i < word.size(); ++i) {
        auto length = border[i - 1];
        while (length > 0 && word[i] != word[length]) {
            length = border[length - 1];
        }
        border[i] = word[i] == word[length] ? length + 1 : 0;
    }
    // Every border of the whole word gives the period length - border.
    std::vector<std::size_t> periods;
    for (auto length = word.empty() ? 0 : border.back(); length > 0; length = border[length - 1]) {
        periods.push_back(word.size() - length);
    }
    return periods;
}

std::vector<std::size_t> principalPeriods(std::string_view word) {
    auto periods = wordPeriods(word);
    if (!periods.empty()) {
        const auto smallest = periods.front();
        std::erase_if(periods, [&](std::size_t p) { return p != smallest && p % smallest == 0; });
    }
    return periods;
}

double clumpParameter(const LetterModel& model, std::string_view word) {
    double clump = 0.0;
    std::string overlapped;
    for (const auto period : principalPeriods(word)) {
        // The word followed by its overlapping copy: word[0..p) + word.
        overlapped.assign(word.substr(0, period));
        overlapped += word;
        clump += model.continuationProbability(overlapped, word.size());
    }
    return std::min(clump, kMaxClumpParameter);
}

}  // namespace undertext::embed
