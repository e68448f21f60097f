#include "repeat_index.h"

#include <divsufsort.h>

#include <algorithm>
#include <new>

namespace undertext::echoscan {

RepeatIndex buildRepeatIndex(std::string_view text) {
    const std::size_t n = text.size();
    const auto* bytes = reinterpret_cast<const sauchar_t*>(text.data());
    RepeatIndex index;
    if (n == 0) {
        return index;
    }
    auto& suffixArray = index.suffixArray;
    suffixArray.resize(n);
    if (divsufsort(bytes, suffixArray.data(), static_cast<saidx_t>(n)) != 0) {
        throw std::bad_alloc();  // divsufsort fails only when it cannot allocate
    }

    // The LCP of each start with the suffix ranked just before it, by start
    // (Kärkkäinen's Phi method): it drops by at most one from one start to the next.
    auto& byStart = index.longestRepeat;
    byStart.resize(n);
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
            while (s + common < n && p + common < n && bytes[s + common] == bytes[p + common]) {
                ++common;
            }
        }
        byStart[s] = static_cast<std::int32_t>(common);
        common = common > 0 ? common - 1 : 0;
    }
    index.neighbourLcp.resize(n);
    for (std::size_t r = 0; r < n; ++r) {
        index.neighbourLcp[r] = byStart[static_cast<std::size_t>(suffixArray[r])];
    }
    // The longest repeat of a start is its LCP with the nearer of its neighbours;
    // it replaces the start's own LCP, which the rank order holds now.
    for (std::size_t r = 0; r < n; ++r) {
        const std::int32_t withNext = r + 1 < n ? index.neighbourLcp[r + 1] : 0;
        byStart[static_cast<std::size_t>(suffixArray[r])] =
            std::max(index.neighbourLcp[r], withNext);
    }
    return index;
}

}  // namespace undertext::echoscan
