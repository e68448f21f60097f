#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "common/core/job_control.h"

namespace undertext::echoscan {

// One entry of RecurringFragments: the fragment's text is the `length` bytes of
// FragmentText at `start` (0-based), its first occurrence that no longer
// recurring fragment absorbs; `count` is the number of all its occurrences.
// `firstRank` is the rank of the first sorted suffix of the searched text that
// begins with the fragment: distinct fragments of one search stand in byte order
// when ordered by firstRank, then by length (a prefix shares its extension's
// first rank at most, and comes first).
struct RecurringFragment {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::uint32_t count = 0;
    std::uint32_t firstRank = 0;

    std::string_view text(std::string_view fragmentText) const {
        return fragmentText.substr(start, length);
    }
    friend bool operator==(const RecurringFragment&, const RecurringFragment&) = default;
};

// The longest FragmentText the search takes (the suffix array holds 32-bit positions).
inline constexpr std::size_t kMaxFragmentTextLength = std::numeric_limits<std::int32_t>::max();

// FindRecurringFragments. With P = fragmentText.size() and N = P - 1, a fragment
// of length L starts at 1 to N - L (so the last two bytes belong to none). Lists
// each text of length minLength to maxLength that stands at two or more starts and
// has an occurrence not covered, with a longer span, by a longer recurring
// fragment of the range; ordered by length, then by that first uncovered
// occurrence. Requires 1 <= minLength <= maxLength and P <= kMaxFragmentTextLength.
//
// The caller has shown the progress value 2. The search passes one stop point per
// start position of every length pass and one per occurrence in the absorption
// pass, in their order, through control.passStopPoints() in runs: one run per pass at
// least, one per 65,536 positions while it builds its result; it calls
// control.progress() with the whole part of the progress value where the job
// shows it, and returns nullopt when a stop point asks to stop.
// Time O(P log P + number of length passes); memory at most about 11 bytes per
// byte of text (13 when maxLength reaches 65535) plus 16 per fragment found.
std::optional<std::vector<RecurringFragment>> findRecurringFragments(std::string_view fragmentText,
                                                                     int minLength, int maxLength,
                                                                     JobControl& control);

}  // namespace undertext::echoscan
