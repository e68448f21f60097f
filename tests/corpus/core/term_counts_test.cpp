#include "corpus/core/term_counts.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace undertext::corpus {
namespace {

// Enough terms for the table of terms to grow several times, many of them sharing
// texts, checked against an ordered map: every term once with its total and its
// counts by text, in the tables' orders.
TEST(TermCounts, ManyTermsAreCountedOnceEachInTheTablesOrders) {
    std::mt19937 random(11);
    TermCounts table;
    std::map<std::string, std::map<std::uint32_t, std::uint64_t>> expected;
    for (std::uint32_t index = 0; index < 4; ++index) {
        // Added out of index order, as a pool finishes them.
        const auto text = table.addText(3 - index, "t" + std::to_string(3 - index));
        std::map<std::string, std::uint64_t> counts;
        for (int i = 0; i < 3000; ++i) {
            counts[std::string(random() % 3 + 1, 'a') + std::to_string(random() % 4000)] +=
                random() % 5 + 1;
        }
        for (const auto& [term, count] : counts) {
            table.add(text, term, count);
            expected[term][text] = count;
        }
    }
    ASSERT_EQ(table.termCount(), expected.size());

    std::vector<std::string> seen;
    std::uint64_t lastTotal = UINT64_MAX;
    table.forEachTerm(
        [&](std::uint32_t term, std::uint64_t total, std::span<const TermCounts::Count> counts) {
            const std::string bytes(table.term(term));
            ASSERT_TRUE(expected.contains(bytes));
            std::uint64_t sum = 0;
            std::size_t lastIndex = 0;
            for (const auto& count : counts) {
                EXPECT_EQ(expected[bytes].at(count.text), count.count);
                EXPECT_GE(table.text(count.text).index, lastIndex);
                lastIndex = table.text(count.text).index;
                sum += count.count;
            }
            EXPECT_EQ(counts.size(), expected[bytes].size());
            EXPECT_EQ(total, sum);
            EXPECT_TRUE(total < lastTotal || (total == lastTotal && seen.back() < bytes)) << bytes;
            lastTotal = total;
            seen.push_back(bytes);
        });
    EXPECT_EQ(seen.size(), expected.size());

    std::vector<std::size_t> indices;
    table.forEachTextsCounts([&](std::span<const TermCounts::Count> counts) {
        indices.push_back(table.text(counts.front().text).index);
        for (std::size_t k = 1; k < counts.size(); ++k) {
            const auto& before = counts[k - 1];
            const auto& after = counts[k];
            EXPECT_TRUE(
                before.count > after.count ||
                (before.count == after.count && table.term(before.term) < table.term(after.term)));
        }
    });
    EXPECT_EQ(indices, (std::vector<std::size_t>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace undertext::corpus
