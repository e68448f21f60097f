#include "echoscan/core/fragment_reports.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/core/codepage.h"
#include "tests/support/literal/fragment_search.h"
#include "tests/support/literal/selection_sort.h"

namespace undertext::echoscan {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

TEST(FragmentReports, EmptyReportAndColumns) {
    EXPECT_EQ(
        fragmentReportText(FragmentReport::ByFrequency, "", {}, 4, 40, 6),
        cp("    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от 4 до 40 символов.\r\n"
           "\r\nФраза Кол-во  Длина\r\n\r\n\r\nВсего повторяющихся фрагментов:  0\r\n"));
    // C = 10 for a longest fragment of 9; a trailing blank meets the count's blank;
    // a count of ten million pushes the length to column C + 8 of the next line.
    EXPECT_EQ(fragmentReportText(FragmentReport::Alphabetical, "abcdefgh xyz",
                                 {{9, 2, 12345678}, {0, 9, 2}}, 2, 9, 10),
              cp("     СОРТИРОВКА ПО АЛФАВИТУ  интервал поиска от 2 до 9 символов.\r\n\r\n"
                 "Фраза     Кол-во  Длина\r\n\r\n"
                 "xy        12345678\r\n                  2\r\n"
                 "abcdefgh  2       9\r\n\r\nВсего повторяющихся фрагментов:  2\r\n"));
}

TEST(FragmentReports, FrequencyTiesFollowTheSelectionProcedure) {
    const std::string letters = cp("абвгд");
    // The frequency report lists the entries from the last to the first.
    const auto rows = [&](const std::vector<RecurringFragment>& entries) {
        std::string texts;
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            texts += entry->text(letters);
        }
        return cp1251ToUtf8(texts);
    };
    std::vector<RecurringFragment> same = {{3, 1, 4}, {1, 1, 4}, {0, 1, 4}, {2, 1, 4}};
    sortAlphabetically(same, letters);
    sortByFrequency(same);
    EXPECT_EQ(rows(same), "агвб");
    std::vector<RecurringFragment> mixed = {{0, 1, 2}, {1, 1, 3}, {2, 1, 2}, {3, 1, 5}, {4, 1, 3}};
    sortByFrequency(mixed);
    EXPECT_EQ(rows(mixed), "гбдав");
}

TEST(FragmentReports, SortsReplayTheLiteralSelectionProcedure) {
    std::mt19937 random(5);
    const std::string text = "ab a bba";
    const auto byText = [&](const auto& a, const auto& b) { return a.text(text) > b.text(text); };
    const auto byCount = [](const auto& a, const auto& b) { return a.count > b.count; };
    for (int round = 0; round < 300; ++round) {
        // Distinct texts, as RecurringFragments has, with counts that often tie.
        std::vector<RecurringFragment> entries;
        std::set<std::string_view> texts;
        for (int i = 0; i < 40; ++i) {
            const auto start = static_cast<std::uint32_t>(random() % text.size());
            const RecurringFragment entry{
                start, 1 + static_cast<std::uint32_t>(random() % (text.size() - start)),
                1 + static_cast<std::uint32_t>(random() % 4)};
            if (texts.insert(entry.text(text)).second) {
                entries.push_back(entry);
            }
        }
        std::shuffle(entries.begin(), entries.end(), random);
        auto expected = entries;
        testing::literalSelectionSort(expected, byText);
        sortAlphabetically(entries, text);
        ASSERT_EQ(entries, expected);
        std::shuffle(entries.begin(), entries.end(), random);  // ties in any order
        expected = entries;
        testing::literalSelectionSort(expected, byCount);
        sortByFrequency(entries);
        ASSERT_EQ(entries, expected);
    }
}

}  // namespace
}  // namespace undertext::echoscan
