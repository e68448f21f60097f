#include "common/core/selection_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace undertext {
namespace {

using Entry = std::pair<int, int>;  // (key, original place)
bool smallerKeyBeats(const Entry& a, const Entry& b) {
    return a.first < b.first;
}
bool greaterKeyBeats(const Entry& a, const Entry& b) {
    return a.first > b.first;
}

// The procedure as the reports describe it, step by step: quadratic, kept here
// as the yardstick for the replay.
void literalSelectionSort(std::vector<Entry>& entries, bool (*beats)(const Entry&, const Entry&)) {
    for (std::size_t i = entries.size(); i-- > 1;) {
        std::size_t candidate = 0;
        for (std::size_t j = 1; j <= i; ++j) {
            if (beats(entries[j], entries[candidate])) {
                candidate = j;
            }
        }
        std::swap(entries[candidate], entries[i]);
    }
}

TEST(SelectionSort, ReplayKeepsTiesWhereTheLiteralProcedurePutsThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<Entry> entries(random() % 40);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = {static_cast<int>(random() % 4), static_cast<int>(i)};  // many ties
        }
        for (const auto beats : {smallerKeyBeats, greaterKeyBeats}) {
            auto expected = entries;
            literalSelectionSort(expected, beats);
            auto replayed = entries;
            selectionSort(replayed, beats);
            ASSERT_EQ(replayed, expected);
        }
    }
}

}  // namespace
}  // namespace undertext
