#include "common/core/selection_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace undertext {
namespace {

// The procedure as the reports describe it, step by step: quadratic, kept here
// as the yardstick for the replay.
template <typename T, typename Beats>
void literalSelectionSort(std::vector<T>& entries, Beats beats) {
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

using Entry = std::pair<int, int>;  // (key, original place)

TEST(SelectionSort, ReplayKeepsTiesWhereTheLiteralProcedurePutsThem) {
    std::mt19937 random(7);
    const auto smallerKeyBeats = [](const Entry& a, const Entry& b) { return a.first < b.first; };
    const auto greaterKeyBeats = [](const Entry& a, const Entry& b) { return a.first > b.first; };
    for (int round = 0; round < 2000; ++round) {
        std::vector<Entry> entries(random() % 40);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = {static_cast<int>(random() % 4), static_cast<int>(i)};  // many ties
        }
        for (const auto& beats : {+smallerKeyBeats, +greaterKeyBeats}) {
            auto expected = entries;
            literalSelectionSort(expected, beats);
            auto replayed = entries;
            selectionSort(replayed, beats);
            ASSERT_EQ(replayed, expected);
        }
    }
}

TEST(SelectionSort, TheReportExamples) {
    // Four equal counts in alphabetical order, written from the last entry to the
    // first, come out a, d, c, b.
    std::vector<Entry> equal{{5, 'a'}, {5, 'b'}, {5, 'c'}, {5, 'd'}};
    const auto greaterCountBeats = [](const Entry& a, const Entry& b) { return a.first > b.first; };
    selectionSort(equal, greaterCountBeats);
    EXPECT_EQ(equal, (std::vector<Entry>{{5, 'b'}, {5, 'c'}, {5, 'd'}, {5, 'a'}}));
    // Found in the order A (1, 3), B (1, 3), C (2, 4): by frequency C, B, A.
    std::vector<Entry> found{{1, 'A'}, {1, 'B'}, {2, 'C'}};
    selectionSort(found, [](const Entry& a, const Entry& b) { return a.first < b.first; });
    EXPECT_EQ(found, (std::vector<Entry>{{2, 'C'}, {1, 'B'}, {1, 'A'}}));
}

}  // namespace
}  // namespace undertext
