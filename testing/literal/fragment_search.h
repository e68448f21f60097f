#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/job_control.h"

namespace undertext::testing {

struct LiteralFragment {
    std::string text;
    long count = 0;
    int length = 0;
    friend bool operator==(const LiteralFragment&, const LiteralFragment&) = default;
};

// The fragment search done word for word as its procedure is stated: every start
// matched against every other, every occurrence tested against every longer one,
// then duplicates merged; with the same stop points and progress values. Quadratic
// and worse: the oracle for small texts only. nullopt when a stop point stops it.
std::optional<std::vector<LiteralFragment>> literalRecurringFragments(std::string_view fragmentText,
                                                                      int minLength, int maxLength,
                                                                      JobControl& control);

// What the caller of a search sees: the fragments (nullopt when stopped), the
// progress values and the number of stop points passed.
struct SearchSeen {
    std::optional<std::vector<LiteralFragment>> found;
    std::vector<int> progress;
    long stopPoints = 0;
    friend bool operator==(const SearchSeen&, const SearchSeen&) = default;
};

// The literal search and the fast one as their caller sees them, asked to stop at
// stop point stopAt (counted from 1; 0 never stops).
SearchSeen literalSearchSeen(std::string_view fragmentText, int minLength, int maxLength,
                             long stopAt = 0);
SearchSeen fastSearchSeen(std::string_view fragmentText, int minLength, int maxLength,
                          long stopAt = 0);

}  // namespace undertext::testing
