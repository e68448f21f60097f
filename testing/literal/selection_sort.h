#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace undertext::testing {

// The selection procedure of the report sorts step by step, in O(n^2): for each
// place from the last down, entry j replaces the candidate when it beats it, and
// the candidate is swapped into the place. The yardstick of the fast replay.
template <typename T, typename Beats>
void literalSelectionSort(std::vector<T>& entries, Beats beats) {
    for (std::size_t i = entries.size(); i-- > 1;) {
        std::size_t candidate = 0;
        for (std::size_t j = 1; j <= i; ++j) {
            candidate = beats(entries[j], entries[candidate]) ? j : candidate;
        }
        std::swap(entries[candidate], entries[i]);
    }
}

}  // namespace undertext::testing
