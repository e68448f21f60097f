#include "echoscan/core/repeat_index.h"

#include <divsufsort.h>

#include <algorithm>
#include <limits>
#include <new>

namespace undertext::echoscan {
namespace {

// The LCP of each start with the suffix ranked just before it, by start
// (Kärkkäinen's Phi method): it drops by at most one from one start to the next.
std::vector<std::int32_t> lcpByStart(std::string_view text,
                                     const std::vector<std::int32_t>& suffixArray) {
    const std::size_t n = text.size();
    std::vector<std::int32_t> byStart(n);
    constexpr std::int32_t kFirst = -1;
    byStart[static_cast<std::size_t>(suffixArray[0])] = kFirst;
    for (std::size_t r = 1; r < n; ++r) {
        byStart[static_cast<std::size_t>(suffixArray[r])] = suffixArray[r - 1];
    }
    std::size_t common = 0;
    for (std::size_t s = 0; s < n; ++s) {
        const std::int32_t previous = byStart[s];
        if (previous == kFirst) {
            common = 0;
        } else {
            const auto p = static_cast<std::size_t>(previous);
            while (s + common < n && p + common < n && text[s + common] == text[p + common]) {
                ++common;
            }
        }
        byStart[s] = static_cast<std::int32_t>(common);
        common = common > 0 ? common - 1 : 0;
    }
    return byStart;
}

// The longest repeat of a start is its LCP with the nearer of its neighbours in
// rank order. Rank by rank, each start's own LCP is read for the last time when
// the longest repeat replaces it.
void lcpToLongestRepeats(const std::vector<std::int32_t>& suffixArray,
                         std::vector<std::int32_t>& byStart) {
    for (std::size_t r = 0; r < suffixArray.size(); ++r) {
        auto& own = byStart[static_cast<std::size_t>(suffixArray[r])];
        const std::int32_t withNext =
            r + 1 < suffixArray.size() ? byStart[static_cast<std::size_t>(suffixArray[r + 1])] : 0;
        own = std::max(own, withNext);
    }
}

}  // namespace

template <typename Lcp>
RepeatIndex<Lcp> buildRepeatIndex(
    std::string_view text, const std::function<void(const LongestRepeats&)>& readLongestRepeats) {
    const std::size_t n = text.size();
    RepeatIndex<Lcp> index;
    if (n == 0) {
        return index;
    }
    auto& suffixArray = index.suffixArray;
    suffixArray.resize(n);
    if (divsufsort(reinterpret_cast<const sauchar_t*>(text.data()), suffixArray.data(),
                   static_cast<saidx_t>(n)) != 0) {
        throw std::bad_alloc();  // divsufsort fails only when it cannot allocate
    }
    auto byStart = lcpByStart(text, suffixArray);
    index.neighbourLcp.resize(n);
    constexpr std::int32_t kLargest = std::numeric_limits<Lcp>::max();
    for (std::size_t r = 0; r < n; ++r) {
        index.neighbourLcp[r] =
            static_cast<Lcp>(std::min(byStart[static_cast<std::size_t>(suffixArray[r])], kLargest));
    }
    if (readLongestRepeats) {
        lcpToLongestRepeats(suffixArray, byStart);
        readLongestRepeats(byStart);
    }
    return index;
}

template RepeatIndex<std::uint16_t> buildRepeatIndex(
    std::string_view, const std::function<void(const LongestRepeats&)>&);
template RepeatIndex<std::int32_t> buildRepeatIndex(
    std::string_view, const std::function<void(const LongestRepeats&)>&);

}  // namespace undertext::echoscan
