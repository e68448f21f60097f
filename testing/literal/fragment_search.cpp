#include "testing/literal/fragment_search.h"

#include <cmath>
#include <set>

#include "echoscan/core/recurring_fragments.h"
#include "testing/support/recording_job.h"

namespace undertext::testing {

std::optional<std::vector<LiteralFragment>> literalRecurringFragments(std::string_view fragmentText,
                                                                      int minLength, int maxLength,
                                                                      JobControl& control) {
    const long searchEnd = static_cast<long>(fragmentText.size()) - 1;
    // Fragment (i, L), with i counted from 1.
    const auto fragment = [&](long i, int length) {
        return fragmentText.substr(static_cast<std::size_t>(i - 1),
                                   static_cast<std::size_t>(length));
    };
    float progress = 2;
    const int spread = maxLength - minLength;
    const float latePassStep = spread > 30 ? static_cast<float>(20.0 / spread) : 0.0F;

    struct Occurrence {
        std::string_view text;
        long start, end;
    };
    std::vector<Occurrence> occurrences;
    for (int length = minLength; length <= maxLength; ++length) {
        bool appended = false;
        for (long i = 1; i <= searchEnd - length; ++i) {
            for (long j = 1; j <= searchEnd - length; ++j) {
                if (j != i && fragment(j, length) == fragment(i, length)) {
                    occurrences.push_back({fragment(i, length), i, i + length});
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

    // Absorption and counting, then merging: the first candidate of a text stays.
    const auto last = static_cast<double>(occurrences.size()) - 1;
    const long threshold = std::lrint(2.0 * last / (95 - static_cast<int>(progress)));
    long counter = 0;
    std::vector<LiteralFragment> merged;
    std::set<std::string_view> mergedTexts;
    for (const auto& s : occurrences) {
        std::set<long> positions;
        bool absorbed = false;
        for (const auto& j : occurrences) {
            if (j.text.size() < s.text.size()) {
                continue;
            }
            if (const auto w = j.text.find(s.text); w != std::string_view::npos) {
                positions.insert(j.start + static_cast<long>(w));
            }
            absorbed = j.start <= s.start && j.end >= s.end && j.end - j.start > s.end - s.start;
            if (absorbed) {
                break;
            }
        }
        if (!absorbed && mergedTexts.insert(s.text).second) {
            merged.push_back({std::string(s.text), static_cast<long>(positions.size()),
                              static_cast<int>(s.text.size())});
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
    return merged;
}

SearchSeen literalSearchSeen(std::string_view fragmentText, int minLength, int maxLength,
                             long stopAt) {
    RecordingJob job(stopAt);
    auto found = literalRecurringFragments(fragmentText, minLength, maxLength, job);
    return {std::move(found), job.progressValues, job.stopPoints};
}

SearchSeen fastSearchSeen(std::string_view fragmentText, int minLength, int maxLength,
                          long stopAt) {
    RecordingJob job(stopAt);
    std::optional<std::vector<LiteralFragment>> fragments;
    if (const auto found =
            echoscan::findRecurringFragments(fragmentText, minLength, maxLength, job)) {
        fragments.emplace();
        for (const auto& f : *found) {
            fragments->push_back({std::string(f.text(fragmentText)), static_cast<long>(f.count),
                                  static_cast<int>(f.length)});
        }
    }
    return {std::move(fragments), job.progressValues, job.stopPoints};
}

}  // namespace undertext::testing
