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
    std::vector<std::int32_t> suffixArray(n);
    if (divsufsort(bytes, suffixArray.data(), static_cast<saidx_t>(n)) != 0) {
        throw std::bad_alloc();  // divsufsort fails only when it cannot allocate
    }
    index.rank.resize(n);
    for (std::size_t r = 0; r < n; ++r) {
        index.rank[suffixArray[r]] = static_cast<std::int32_t>(r);
    }

    // Kasai's algorithm: the LCP with the preceding suffix drops by at most one
    // from one start to the next.
    index.neighbourLcp.assign(n, 0);
    std::size_t common = 0;
    for (std::size_t s = 0; s < n; ++s) {
        const std::size_t r = index.rank[s];
        if (r == 0) {
            common = 0;
            continue;
        }
        const std::size_t previous = suffixArray[r - 1];
        while (s + common < n && previous + common < n &&
               bytes[s + common] == bytes[previous + common]) {
            ++common;
        }
        index.neighbourLcp[r] = static_cast<std::int32_t>(common);
        if (common > 0) {
            --common;
        }
    }
    suffixArray = {};

    index.longestRepeat.resize(n);
    for (std::size_t s = 0; s < n; ++s) {
        const std::size_t r = index.rank[s];
        const std::int32_t withNext = r + 1 < n ? index.neighbourLcp[r + 1] : 0;
        index.longestRepeat[s] = std::max(index.neighbourLcp[r], withNext);
    }
    return index;
}

}  // namespace undertext::echoscan
