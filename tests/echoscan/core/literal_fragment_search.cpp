#include "literal_fragment_search.h"

#include <cmath>
#include <set>

namespace undertext::testing {
namespace {

struct Occurrence {
    std::string text;
    int length;
    long start;  // from 1
    long end;    // one past the last character
};

}  // namespace

std::optional<std::vector<LiteralFragment>> literalRecurringFragments(std::string_view fragmentText,
                                                                      int minLength, int maxLength,
                                                                      JobControl& control) {
    const long searchEnd = static_cast<long>(fragmentText.size()) - 1;
    float progress = 2;
    const float latePassStep =
        maxLength - minLength > 30 ? static_cast<float>(20.0 / (maxLength - minLength)) : 0.0F;

    // The length passes.
    std::vector<Occurrence> occurrences;
    for (int length = minLength; length <= maxLength; ++length) {
        std::vector<std::string> cut(1);  // cut[i]: the fragment at start i
        for (long i = 1; i <= searchEnd - length; ++i) {
            cut.emplace_back(fragmentText.substr(static_cast<std::size_t>(i - 1),
                                                 static_cast<std::size_t>(length)));
        }
        bool appended = false;
        for (long i = 1; i <= searchEnd - length; ++i) {
            for (long j = 1; j <= searchEnd - length; ++j) {
                if (j != i && cut[j][0] == cut[i][0] && cut[j] == cut[i]) {
                    occurrences.push_back({cut[i], length, i, i + length});
                    appended = true;
                    break;
                }
            }
            if (control.stopPoint()) {
                return std::nullopt;
            }
        }
        if (!appended) {
            break;
        }
        progress += progress < 60 ? 2.0F : latePassStep;
        control.progress(static_cast<int>(progress));
    }

    // Absorption and counting.
    const long last = static_cast<long>(occurrences.size()) - 1;
    const long threshold =
        std::lrint(2.0 * static_cast<double>(last) / (95 - static_cast<int>(progress)));
    long counter = 0;
    std::vector<LiteralFragment> candidates;
    for (const auto& s : occurrences) {
        std::set<long> positions;
        bool absorbed = false;
        for (const auto& j : occurrences) {
            if (j.length < s.length) {
                continue;
            }
            if (const auto w = j.text.find(s.text); w != std::string::npos) {
                positions.insert(j.start + static_cast<long>(w));
            }
            if (j.start <= s.start && j.end >= s.end && !(j.start == s.start && j.end == s.end)) {
                absorbed = true;
                break;
            }
        }
        if (!absorbed) {
            candidates.push_back({s.text, static_cast<long>(positions.size()), s.length});
        }
        if (control.stopPoint()) {
            return std::nullopt;
        }
        if (counter > threshold) {
            progress += 2;
            control.progress(static_cast<int>(progress));
            counter = 0;
        } else {
            ++counter;
        }
    }

    // Merging.
    std::vector<LiteralFragment> merged;
    for (const auto& candidate : candidates) {
        bool seen = false;
        for (const auto& kept : merged) {
            seen = seen || kept.text == candidate.text;
        }
        if (!seen) {
            merged.push_back(candidate);
        }
    }
    return merged;
}

}  // namespace undertext::testing
