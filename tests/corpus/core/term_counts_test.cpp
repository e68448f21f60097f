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
        std::vector<TermCounts::TermCount> added;
        for (const auto& [term, count] : counts) {
            added.push_back({term, count});
            expected[term][text] = count;
        }
        // In pieces, the first of a single term.
        table.add(text, std::span(added).first(1));
        table.add(text, std::span(added).subspan(1));
    }
    ASSERT_EQ(table.termCount(), expected.size());

    std::vector<std::string> seen;
    std::uint64_t lastTotal = UINT64_MAX;
    table.forEachTerm([&](std::uint32_t term, const TermCounts::TermTotals& totals) {
        const std::string bytes(table.term(term));
        ASSERT_TRUE(expected.contains(bytes));
        std::uint64_t sum = 0;
        for (const auto& [text, count] : expected[bytes]) {
            sum += count;
        }
        EXPECT_EQ(totals.texts, expected[bytes].size());
        EXPECT_EQ(totals.total, sum);
        EXPECT_EQ(totals.deviation, 0);  // no text has letters
        const auto total = totals.total;
        EXPECT_TRUE(total < lastTotal || (total == lastTotal && seen.back() < bytes)) << bytes;
        lastTotal = total;
        seen.push_back(bytes);
    });
    EXPECT_EQ(seen.size(), expected.size());

    std::vector<std::size_t> indices;
    std::vector<TermCounts::Count> counts;
    for (const auto text : table.textsByIndex()) {
        indices.push_back(table.text(text).index);
        table.sortedCounts(text, counts);
        EXPECT_EQ(counts.size(), table.countsIn(text));
        for (std::size_t k = 1; k < counts.size(); ++k) {
            const auto& before = counts[k - 1];
            const auto& after = counts[k];
            EXPECT_TRUE(
                before.count > after.count ||
                (before.count == after.count && table.term(before.term) < table.term(after.term)));
        }
    }
    EXPECT_EQ(indices, (std::vector<std::size_t>{0, 1, 2, 3}));
}

// Texts filled into two tables apart and merged read as the same texts filled
// into one: terms shared by both found once, the texts' numbers moved on.
TEST(TermCounts, APartMergedInIsAsIfItsTextsWereAddedHere) {
    const std::vector<std::vector<std::pair<std::string, std::uint64_t>>> texts = {
        {{"b", 2}, {"a", 1}}, {{"c", 5}, {"a", 3}}, {{"a", 4}, {"d", 1}}, {{"b", 1}, {"e", 2}}};
    const auto fill = [&](TermCounts& table, std::size_t index) {
        const auto text = table.addText(index, "t" + std::to_string(index), 10 * (index + 1));
        std::vector<TermCounts::TermCount> counts;
        for (const auto& [term, count] : texts[index]) {
            counts.push_back({term, count});
        }
        table.add(text, counts);
    };
    TermCounts whole, merged, part;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        fill(whole, index);
        fill(index % 2 == 0 ? merged : part, index);
    }
    merged.merge(std::move(part));
    EXPECT_EQ(part.textCount(), 0U);
    const auto rows = [](TermCounts& table) {
        std::vector<std::string> seen;
        table.forEachTerm([&](std::uint32_t term, const TermCounts::TermTotals& totals) {
            seen.push_back(std::string(table.term(term)) + " " + std::to_string(totals.total) +
                           " " + std::to_string(totals.texts) + " " +
                           std::to_string(totals.deviation));
        });
        std::vector<TermCounts::Count> counts;
        for (const auto text : table.textsByIndex()) {
            table.sortedCounts(text, counts);
            for (const auto& count : counts) {
                seen.push_back(table.text(text).name + " " + std::string(table.term(count.term)));
            }
        }
        return seen;
    };
    EXPECT_EQ(merged.letters(), whole.letters());
    EXPECT_EQ(rows(merged), rows(whole));
    // a: 1, 3 and 4 of 8 in texts of 10, 20 and 30 letters of 100; none in the
    // text of 40: ½ (|1/8 - 0.1| + |3/8 - 0.2| + |4/8 - 0.3| + 0.4) = 0.4.
    EXPECT_EQ(rows(merged).front(), "a 8 3 0.400000");
}

}  // namespace
}  // namespace undertext::corpus
