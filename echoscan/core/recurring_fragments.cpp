#include "echoscan/core/recurring_fragments.h"

#include <algorithm>
#include <cassert>
#include <deque>
#include <limits>

#include "common/core/report/number_text.h"
#include "echoscan/core/repeat_index.h"

namespace undertext::echoscan {
namespace {

// At most this many ranks of work go by between two looks for a stop.
constexpr std::int64_t kWorkBetweenChecks = 65536;

// ProgressValue is kept in single precision; the window shows its whole part.
class ProgressValue {
  public:
    explicit ProgressValue(JobControl& control) : control_(control) {}

    float value() const { return value_; }
    int wholePart() const { return static_cast<int>(value_); }
    void advance(float step) {
        value_ += step;
        control_.progress(wholePart());
    }

  private:
    JobControl& control_;
    float value_ = 2.0F;
};

// What the stop points and the result need of the longest repeats.
struct RepeatSummary {
    std::int32_t longestRepeat = 0;  // of any start: the last length pass that finds some
    std::int64_t occurrences = 0;    // the entries of FragmentOccurrences
    std::vector<bool> uncovered;     // by start: it holds an uncovered occurrence
};

// The occurrence (s, L) is covered by a longer recurring fragment exactly when
// (s, L + 1) or (s - 1, L + 1) recurs and L < maxLength. So a start s has at most
// one uncovered occurrence, of length c = min(longestRepeat[s], maxLength): when
// c = maxLength, or (s - 1, c + 1) does not recur. Pass L finds every start whose
// longest repeat reaches L.
RepeatSummary summarise(const LongestRepeats& longestRepeat, int minLength, int maxLength) {
    RepeatSummary summary;
    summary.uncovered.resize(longestRepeat.size());
    for (std::size_t s = 0; s < longestRepeat.size(); ++s) {
        summary.longestRepeat = std::max(summary.longestRepeat, longestRepeat[s]);
        const int length = std::min(longestRepeat[s], maxLength);
        if (length >= minLength) {
            summary.occurrences += length - minLength + 1;
            summary.uncovered[s] = length == maxLength || s == 0 || longestRepeat[s - 1] <= length;
        }
    }
    return summary;
}

// The LCP intervals of the suffix array, with LCP values below minLength taken as
// 0 and those above maxLength as maxLength: an interval of length L holds the
// starts of one text of length L. A rank belongs directly to the deepest interval
// around it, whose length is that of its start's uncovered occurrence; a text is
// listed when one of its direct starts is uncovered, at the first such start,
// with the interval's size as its count.
//
// The ranks are walked in order with a stack of the open intervals' first ranks.
// An open interval's length and its first uncovered start so far are kept in
// neighbourLcp and suffixArray at its first rank, which the walk has read by then
// and never reads again. checkStop() is called every kWorkBetweenChecks ranks; the
// walk ends with nullopt when it returns true.
template <typename Lcp, typename CheckStop>
std::optional<std::deque<RecurringFragment>> walkIntervals(RepeatIndex<Lcp>& index,
                                                           const RepeatSummary& summary,
                                                           int minLength, int maxLength,
                                                           CheckStop checkStop) {
    auto& lengthAt = index.neighbourLcp;
    auto& firstUncoveredAt = index.suffixArray;
    constexpr std::int32_t kNone = -1;
    const auto cut = [&](Lcp lcp) {
        return lcp < minLength ? 0 : std::min(static_cast<std::int32_t>(lcp), maxLength);
    };

    std::vector<std::uint32_t> open;
    open.reserve(static_cast<std::size_t>(
        std::max(std::min(summary.longestRepeat, maxLength) - minLength + 1, 0)));
    const auto topLength = [&] {
        return open.empty() ? 0 : static_cast<std::int32_t>(lengthAt[open.back()]);
    };
    const auto push = [&](std::size_t first, std::int32_t length, std::int32_t uncoveredStart) {
        open.push_back(static_cast<std::uint32_t>(first));
        lengthAt[first] = static_cast<Lcp>(length);
        firstUncoveredAt[first] = uncoveredStart;
    };

    std::deque<RecurringFragment> found;
    const std::size_t ranks = index.suffixArray.size();
    for (std::size_t next = 1; next <= ranks; ++next) {
        if (next % kWorkBetweenChecks == 0 && checkStop()) {
            return std::nullopt;
        }
        const std::size_t rank = next - 1;
        const std::int32_t start = index.suffixArray[rank];
        const std::int32_t own = summary.uncovered[static_cast<std::size_t>(start)] ? start : kNone;
        const std::int32_t length = next < ranks ? cut(index.neighbourLcp[next]) : 0;
        if (length > topLength()) {
            push(rank, length, own);
            continue;
        }
        if (!open.empty() && own != kNone) {
            auto& first = firstUncoveredAt[open.back()];
            first = first == kNone ? own : std::min(first, own);
        }
        std::size_t first = rank;
        while (length < topLength()) {
            first = open.back();
            open.pop_back();
            if (firstUncoveredAt[first] != kNone) {
                found.push_back({static_cast<std::uint32_t>(firstUncoveredAt[first]),
                                 static_cast<std::uint32_t>(lengthAt[first]),
                                 static_cast<std::uint32_t>(rank - first + 1),
                                 static_cast<std::uint32_t>(first)});
            }
        }
        if (length > topLength()) {
            push(first, length, kNone);
        }
    }
    return found;
}

// The length passes: pass L has one stop point per start 1 .. N - L, of which
// the first pass's `firstPassLeft` are still to come; the first pass that finds
// nothing ends them. False when stopped.
bool runLengthPasses(std::int64_t searchEnd, int minLength, int maxLength,
                     std::int32_t longestRepeat, std::int64_t firstPassLeft,
                     ProgressValue& progress, JobControl& control) {
    const int spread = maxLength - minLength;
    const float latePassStep = spread > 30 ? static_cast<float>(20.0 / spread) : 0.0F;
    for (int length = minLength; length <= maxLength; ++length) {
        const std::int64_t stops = length == minLength ? firstPassLeft : searchEnd - length;
        if (stops > 0 && control.passStopPoints(stops)) {
            return false;
        }
        if (length > longestRepeat) {
            break;
        }
        progress.advance(progress.value() < 60.0F ? 2.0F : latePassStep);
    }
    return true;
}

// The absorption pass: one stop point per occurrence, and 2 more percent each time
// a counter passes the threshold that spreads the rest of the way to about 95:
// at every (threshold + 2)-th occurrence. False when stopped.
bool runAbsorptionPass(std::int64_t occurrences, ProgressValue& progress, JobControl& control) {
    if (occurrences == 0) {
        return true;
    }
    // The length passes leave the value below 80, so the divisor is at least 15.
    const std::int64_t threshold =
        divideRoundHalfEven(2 * (occurrences - 1), 95 - progress.wholePart());
    const std::int64_t period = threshold + 2;
    for (std::int64_t passed = 0; passed < occurrences;) {
        const std::int64_t run = std::min(period, occurrences - passed);
        if (control.passStopPoints(run)) {
            return false;
        }
        passed += run;
        if (run == period) {
            progress.advance(2.0F);
        }
    }
    return true;
}

// By length, then by the first uncovered start.
std::vector<RecurringFragment> inSearchOrder(std::deque<RecurringFragment>&& found) {
    std::vector<RecurringFragment> fragments(std::make_move_iterator(found.begin()),
                                             std::make_move_iterator(found.end()));
    found = std::deque<RecurringFragment>();
    std::sort(fragments.begin(), fragments.end(),
              [](const RecurringFragment& a, const RecurringFragment& b) {
                  return a.length != b.length ? a.length < b.length : a.start < b.start;
              });
    return fragments;
}

// The search with LCP values held as Lcp, whose range must pass maxLength.
template <typename Lcp>
std::optional<std::vector<RecurringFragment>> search(std::string_view fragmentText, int minLength,
                                                     int maxLength, JobControl& control) {
    const auto searchEnd = static_cast<std::int64_t>(fragmentText.size()) - 1;
    // Fragments lie within the first N - 1 bytes.
    const std::string_view searched = fragmentText.substr(0, searchEnd > 1 ? searchEnd - 1 : 0);
    RepeatSummary summary;
    auto index = buildRepeatIndex<Lcp>(searched, [&](const LongestRepeats& longestRepeat) {
        summary = summarise(longestRepeat, minLength, maxLength);
    });

    // The first length pass's stop points go by while the fragments are collected.
    std::int64_t firstPassLeft = std::max<std::int64_t>(searchEnd - minLength, 0);
    auto found = walkIntervals(index, summary, minLength, maxLength, [&] {
        const std::int64_t run = std::min(firstPassLeft, kWorkBetweenChecks);
        firstPassLeft -= run;
        return run > 0 && control.passStopPoints(run);
    });
    index = RepeatIndex<Lcp>();
    summary.uncovered = std::vector<bool>();

    ProgressValue progress(control);
    if (!found ||
        !runLengthPasses(searchEnd, minLength, maxLength, summary.longestRepeat, firstPassLeft,
                         progress, control) ||
        !runAbsorptionPass(summary.occurrences, progress, control)) {
        return std::nullopt;
    }
    return inSearchOrder(std::move(*found));
}

}  // namespace

std::optional<std::vector<RecurringFragment>> findRecurringFragments(std::string_view fragmentText,
                                                                     int minLength, int maxLength,
                                                                     JobControl& control) {
    assert(1 <= minLength && minLength <= maxLength);
    assert(fragmentText.size() <= kMaxFragmentTextLength);
    // Lengths of the usual ranges fit in 16 bits, and so does the LCP as the walk
    // reads it (cut at maxLength): 2 bytes per text byte less.
    if (maxLength < std::numeric_limits<std::uint16_t>::max()) {
        return search<std::uint16_t>(fragmentText, minLength, maxLength, control);
    }
    return search<std::int32_t>(fragmentText, minLength, maxLength, control);
}

}  // namespace undertext::echoscan
