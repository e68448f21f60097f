#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <queue>
#include <utility>
#include <vector>

namespace undertext {

// Leaves entries exactly as this selection procedure does: for k from the last
// place down to the second, the candidate is the first entry of places 1 to k that
// no later one beats, and it changes places with entry k. Equal entries thus end
// in the order this procedure gives, which is not a stable one. beats must be a
// strict weak order.
//
// The candidate is the leftmost of the greatest entries left, so the procedure is
// replayed by classes of equal entries, greatest first: one heap of places keyed
// by (class, place) yields the candidate, and the entry that moves from place k
// into the candidate's place is entered anew there. O(n log n), with n log n calls
// of beats for the sort that finds the classes; when no two entries are equal the
// order is that sort's.
template <typename T, typename Beats>
void selectionSort(std::vector<T>& entries, Beats beats) {
    const std::size_t count = entries.size();
    if (count < 2) {
        return;
    }
    std::vector<std::uint32_t> ascending(count);
    std::iota(ascending.begin(), ascending.end(), 0U);
    std::sort(ascending.begin(), ascending.end(),
              [&](std::uint32_t a, std::uint32_t b) { return beats(entries[b], entries[a]); });
    // classOf[entry]: the rank of its class, 0 for the least entries.
    std::vector<std::uint32_t> classOf(count);
    std::uint32_t classes = 1;
    for (std::size_t i = 1; i < count; ++i) {
        if (beats(entries[ascending[i]], entries[ascending[i - 1]])) {
            ++classes;
        }
        classOf[ascending[i]] = classes - 1;
    }
    std::vector<std::uint32_t> holder(count);  // holder[place]: the entry there
    if (classes == count) {
        holder = std::move(ascending);
    } else {
        std::iota(holder.begin(), holder.end(), 0U);
        // The top is the greatest class's leftmost place. Entries for places past
        // k are stale: a place is entered again only when an entry moves into it.
        const auto key = [&](std::uint32_t place) {
            return (std::uint64_t{classOf[holder[place]]} << 32) | (0xFFFFFFFFU - place);
        };
        std::vector<std::uint64_t> keys(count);
        for (std::uint32_t place = 0; place < count; ++place) {
            keys[place] = key(place);
        }
        std::priority_queue<std::uint64_t> heap(std::less<std::uint64_t>{}, std::move(keys));
        const auto placeOf = [](std::uint64_t entry) {
            return 0xFFFFFFFFU - static_cast<std::uint32_t>(entry);
        };
        for (auto k = static_cast<std::uint32_t>(count - 1); k >= 1; --k) {
            while (placeOf(heap.top()) > k) {
                heap.pop();
            }
            const std::uint32_t candidate = placeOf(heap.top());
            heap.pop();
            if (candidate != k) {
                std::swap(holder[candidate], holder[k]);
                heap.push(key(candidate));
            }
        }
    }
    std::vector<T> placed;
    placed.reserve(count);
    for (const auto entry : holder) {
        placed.push_back(std::move(entries[entry]));
    }
    entries = std::move(placed);
}

}  // namespace undertext
