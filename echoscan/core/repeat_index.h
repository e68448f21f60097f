#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace undertext::echoscan {

// The repeat structure of a text: its suffix array (libdivsufsort) and the LCP
// of neighbouring suffixes. Positions are 0-based; the text holds at most
// INT32_MAX bytes. LCP values are held as Lcp (std::uint16_t or std::int32_t),
// those beyond its range as its largest value: 6 or 8 bytes per text byte.
template <typename Lcp>
struct RepeatIndex {
    // suffixArray[r]: the start of the suffix at rank r in sorted order.
    std::vector<std::int32_t> suffixArray;
    // neighbourLcp[r]: the common prefix length of the suffixes at ranks r - 1 and
    // r (0 for r = 0).
    std::vector<Lcp> neighbourLcp;
};

// longestRepeat[s]: the longest L such that the L bytes at s also stand at some
// other start of the text.
using LongestRepeats = std::vector<std::int32_t>;

// Builds the index. When readLongestRepeats is given, it is called once with the
// longest repeat of every start, which lives only for the call. At the peak the
// build holds the suffix array, one more array of 4 bytes per text byte and the
// LCP.
template <typename Lcp>
RepeatIndex<Lcp> buildRepeatIndex(
    std::string_view text,
    const std::function<void(const LongestRepeats&)>& readLongestRepeats = {});

}  // namespace undertext::echoscan
