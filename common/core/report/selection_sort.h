#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace undertext {

namespace selection_sort_detail {

// The places the entries end in (holder[place]: the entry there), given them in
// ascending order, with classOf[entry] the rank of its class of equal entries, 0
// for the least, and the number of classes.
//
// While a class is placed, the greater ones already lie above k and all its
// entries at or below k. The candidate is its leftmost place p; the entry at k
// moves there. If that entry is of the class too, p stays its leftmost place and
// k was its rightmost; otherwise p leaves the class. So the class's places, sorted
// once, only lose their first or their last: a class of m entries is placed in
// O(m log m), the sort of its places.
inline std::vector<std::uint32_t> replayByClasses(const std::vector<std::uint32_t>& ascending,
                                                  const std::vector<std::uint32_t>& classOf,
                                                  std::uint32_t classes) {
    const auto count = static_cast<std::uint32_t>(ascending.size());
    if (classes == count) {
        return ascending;
    }
    std::vector<std::uint32_t> holder(count);
    std::iota(holder.begin(), holder.end(), 0U);
    auto placeOf = holder;
    std::vector<std::uint32_t> places;
    std::uint32_t k = count - 1;
    for (std::uint32_t end = count; end > 0 && k >= 1;) {
        const auto placing = classOf[ascending[end - 1]];
        auto begin = end - 1;
        while (begin > 0 && classOf[ascending[begin - 1]] == placing) {
            --begin;
        }
        places.clear();
        for (auto i = begin; i < end; ++i) {
            places.push_back(placeOf[ascending[i]]);
        }
        std::sort(places.begin(), places.end());
        std::size_t first = 0;
        std::size_t last = places.size();
        for (auto left = end - begin; left > 0 && k >= 1; --left, --k) {
            const auto candidate = places[first];
            if (candidate == k) {  // the class's last entry is in place
                ++first;
                continue;
            }
            const auto moved = holder[k];
            std::swap(holder[candidate], holder[k]);
            placeOf[holder[candidate]] = candidate;
            placeOf[holder[k]] = k;
            if (classOf[moved] == placing) {
                --last;
            } else {
                ++first;
            }
        }
        end = begin;
    }
    return holder;
}

}  // namespace selection_sort_detail

// Puts entries in order: order[place] is the entry that goes to place, each entry
// once (the order a sort of indices into entries gives).
template <typename T>
void placeInOrder(std::vector<T>& entries, const std::vector<std::uint32_t>& order) {
    std::vector<T> placed;
    placed.reserve(entries.size());
    for (const auto entry : order) {
        placed.push_back(std::move(entries[entry]));
    }
    entries = std::move(placed);
}

// Leaves entries exactly as this selection procedure does: for k from the last
// place down to the second, the candidate is the first entry of places 1 to k that
// no later one beats, and it changes places with entry k. Equal entries thus end
// in the order this procedure gives, which is not a stable one. beats must be a
// strict weak order.
//
// The candidate is the leftmost of the greatest entries left, so the procedure is
// replayed by classes of equal entries, greatest first (replayByClasses).
// O(n log n), with n log n calls of beats for the sort that finds the classes;
// when no two entries are equal the order is that sort's.
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
    placeInOrder(entries, selection_sort_detail::replayByClasses(ascending, classOf, classes));
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
    placeInOrder(entries, selection_sort_detail::replayByClasses(ascending, classOf, classes));
}

}  // namespace undertext
