#include "common/core/report/selection_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "testing/literal/selection_sort.h"

namespace undertext {
namespace {

using Entry = std::pair<int, int>;  // (key, original place)
bool smallerKeyBeats(const Entry& a, const Entry& b) {
    return a.first < b.first;
}
bool greaterKeyBeats(const Entry& a, const Entry& b) {
    return a.first > b.first;
}

TEST(SelectionSort, ReplayKeepsTiesWhereTheLiteralProcedurePutsThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        // Many ties, a few, or (mostly) none.
        const unsigned keys = round % 3 == 0 ? 4 : round % 3 == 1 ? 30 : 100000;
        // Now and then a long one, where classes are large and entries move far.
        std::vector<Entry> entries(round % 100 == 0 ? 1500 + random() % 500 : random() % 40);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = {static_cast<int>(random() % keys), static_cast<int>(i)};
        }
        for (const auto beats : {smallerKeyBeats, greaterKeyBeats}) {
            auto expected = entries;
            testing::literalSelectionSort(expected, beats);
            auto replayed = entries;
            selectionSort(replayed, beats);
            ASSERT_EQ(replayed, expected);
            // The same order by keys, a greater key beating.
            auto byKey = entries;
            const int sign = beats == greaterKeyBeats ? 1 : -1;
            selectionSortByKey(byKey, [&](const Entry& entry) { return sign * entry.first; });
            ASSERT_EQ(byKey, expected);
        }
    }
}

}  // namespace
}  // namespace undertext
