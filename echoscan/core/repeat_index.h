#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace undertext::echoscan {

// The repeat structure of a text, from its suffix array (libdivsufsort) and the
// LCP array of neighbouring suffixes. Positions are 0-based; the text holds at
// most INT32_MAX bytes. About 12 bytes per text byte; built once, read-only after.
struct RepeatIndex {
    // rank[s]: the place of the suffix starting at s in sorted order.
    std::vector<std::int32_t> rank;
    // neighbourLcp[r]: the common prefix length of the suffixes at ranks r - 1 and
    // r (0 for r = 0).
    std::vector<std::int32_t> neighbourLcp;
    // longestRepeat[s]: the longest L such that the L bytes at s also stand at some
    // other start of the text.
    std::vector<std::int32_t> longestRepeat;
};

RepeatIndex buildRepeatIndex(std::string_view text);

}  // namespace undertext::echoscan
