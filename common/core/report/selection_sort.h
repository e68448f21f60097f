#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace undertext {

// Leaves entries exactly as this selection procedure does: for k from the last
// place down to the second, the candidate is the first entry of places 1 to k that
// no later one beats, and it changes places with entry k. Equal entries thus end
// in the order this procedure gives, which is not a stable one. Replayed with a
// tournament tree: O(n log n) calls of beats, which must be a strict weak order.
template <typename T, typename Beats>
void selectionSort(std::vector<T>& entries, Beats beats) {
    const std::size_t count = entries.size();
    if (count < 2) {
        return;
    }
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    std::size_t leaves = 1;
    while (leaves < count) {
        leaves *= 2;
    }
    // tree[node]: the place of the winner among the places below node; the left
    // one wins ties, as the first candidate is kept unless strictly beaten.
    std::vector<std::size_t> tree(2 * leaves, kNone);
    const auto winner = [&](std::size_t left, std::size_t right) {
        if (right == kNone) {
            return left;
        }
        if (left == kNone) {
            return right;
        }
        return beats(entries[right], entries[left]) ? right : left;
    };
    const auto replay = [&](std::size_t place) {
        for (std::size_t node = (leaves + place) / 2; node >= 1; node /= 2) {
            tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
        }
    };
    for (std::size_t place = 0; place < count; ++place) {
        tree[leaves + place] = place;
    }
    for (std::size_t node = leaves - 1; node >= 1; --node) {
        tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
    }
    for (std::size_t k = count - 1; k >= 1; --k) {
        const std::size_t candidate = tree[1];
        tree[leaves + k] = kNone;
        if (candidate != k) {
            std::swap(entries[candidate], entries[k]);
            replay(candidate);
        }
        replay(k);
    }
}

}  // namespace undertext
