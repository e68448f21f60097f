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

namespace selection_sort_detail {

// The places the entries end in (holder[place]: the entry there), given them in
// ascending order, with classOf[entry] the rank of its class of equal entries, 0
// for the least, and the number of classes.
inline std::vector<std::uint32_t> replayByClasses(std::vector<std::uint32_t> ascending,
                                                  const std::vector<std::uint32_t>& classOf,
                                                  std::uint32_t classes) {
    const auto count = static_cast<std::uint32_t>(ascending.size());
    if (classes == count) {
        return ascending;
    }
    std::vector<std::uint32_t> holder(count);
    std::iota(holder.begin(), holder.end(), 0U);
    // The top is the greatest class's leftmost place. Entries for places past k are
    // stale: a place is entered again only when an entry moves into it.
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
    for (std::uint32_t k = count - 1; k >= 1; --k) {
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
    return holder;
}

template <typename T>
void moveToPlaces(std::vector<T>& entries, const std::vector<std::uint32_t>& holder) {
    std::vector<T> placed;
    placed.reserve(entries.size());
    for (const auto entry : holder) {
        placed.push_back(std::move(entries[entry]));
    }
    entries = std::move(placed);
}

}  // namespace selection_sort_detail

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
    std::vector<std::uint32_t> classOf(count);
    std::uint32_t classes = 1;
    for (std::size_t i = 1; i < count; ++i) {
        if (beats(entries[ascending[i]], entries[ascending[i - 1]])) {
            ++classes;
        }
        classOf[ascending[i]] = classes - 1;
    }
    selection_sort_detail::moveToPlaces(
        entries, selection_sort_detail::replayByClasses(std::move(ascending), classOf, classes));
}

// The same where an entry beats another when its key (of a type with <) is
// greater: the keys are sorted once, side by side with the entries' places.
template <typename T, typename KeyOf>
void selectionSortByKey(std::vector<T>& entries, KeyOf keyOf) {
    const std::size_t count = entries.size();
    if (count < 2) {
        return;
    }
    std::vector<std::pair<decltype(keyOf(entries.front())), std::uint32_t>> keyed;
    keyed.reserve(count);
    for (std::uint32_t entry = 0; entry < count; ++entry) {
        keyed.emplace_back(keyOf(entries[entry]), entry);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> ascending(count);
    std::vector<std::uint32_t> classOf(count);
    std::uint32_t classes = 1;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && keyed[i - 1].first < keyed[i].first) {
            ++classes;
        }
        ascending[i] = keyed[i].second;
        classOf[keyed[i].second] = classes - 1;
    }
    selection_sort_detail::moveToPlaces(
        entries, selection_sort_detail::replayByClasses(std::move(ascending), classOf, classes));
}

}  // namespace undertext
