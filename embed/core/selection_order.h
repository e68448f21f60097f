#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace undertext::embed {

// Puts items in the order that this selection procedure gives, ties included:
//   for i from size - 1 down to 1: the candidate is the first entry among 0..i
//   that no later entry beats (scanning j = 1..i, j replaces the candidate only
//   when beats(items[j], candidate)); the candidate and entry i change places.
// beats must be a strict weak order. Replayed in O(M log M) with a tournament
// tree whose every node holds the first best entry of its span.
template <typename T, typename Beats>
void selectionSort(std::vector<T>& items, Beats beats) {
    constexpr std::uint32_t kNone = 0xFFFFFFFF;
    const auto count = static_cast<std::uint32_t>(items.size());
    if (count < 2) {
        return;
    }
    std::uint32_t leaves = 1;
    while (leaves < count) {
        leaves *= 2;
    }
    std::vector<std::uint32_t> tree(2 * static_cast<std::size_t>(leaves), kNone);
    // Of two winners, the earlier one keeps its place unless the later beats it.
    const auto winner = [&](std::uint32_t earlier, std::uint32_t later) {
        if (earlier == kNone || later == kNone) {
            return earlier == kNone ? later : earlier;
        }
        return beats(items[later], items[earlier]) ? later : earlier;
    };
    for (std::uint32_t i = 0; i < count; ++i) {
        tree[leaves + i] = i;
    }
    for (auto node = leaves - 1; node >= 1; --node) {
        tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
    }
    const auto update = [&](std::uint32_t index) {
        for (auto node = (leaves + index) / 2; node >= 1; node /= 2) {
            tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
        }
    };
    for (auto i = count - 1; i >= 1; --i) {
        // Entries after i have left the tree, so the root is the candidate of 0..i.
        const auto candidate = tree[1];
        tree[leaves + i] = kNone;
        update(i);
        if (candidate != i) {
            std::swap(items[candidate], items[i]);
            update(candidate);
        }
    }
}

}  // namespace undertext::embed
