#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace undertext::echoscan {

// The repeat structure of a text: its suffix array (libdivsufsort), the LCP of
// neighbouring suffixes and, for each start, its longest repeat. Positions are
// 0-based; the text holds at most INT32_MAX bytes. 12 bytes per text byte while
// all three are held; a user frees what it no longer needs.
struct RepeatIndex {
    // suffixArray[r]: the start of the suffix at rank r in sorted order.
    std::vector<std::int32_t> suffixArray;
    // neighbourLcp[r]: the common prefix length of the suffixes at ranks r - 1 and
    // r (0 for r = 0).
    std::vector<std::int32_t> neighbourLcp;
    // longestRepeat[s]: the longest L such that the L bytes at s also stand at some
    // other start of the text.
    std::vector<std::int32_t> longestRepeat;
};

RepeatIndex buildRepeatIndex(std::string_view text);

}  // namespace undertext::echoscan
