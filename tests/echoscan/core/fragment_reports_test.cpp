#include "echoscan/core/fragment_reports.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/core/codepage.h"
#include "common/core/number_text.h"
#include "tests/support/literal/fragment_search.h"
#include "tests/support/literal/selection_sort.h"
#include "tests/support/temp_folder.h"

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
    // In «абвгд» the suffix of each letter has the rank of its start.
    std::vector<RecurringFragment> same = {{3, 1, 4, 3}, {1, 1, 4, 1}, {0, 1, 4, 0}, {2, 1, 4, 2}};
    sortAlphabetically(same);
    sortByFrequency(same);
    EXPECT_EQ(rows(same), "агвб");
    std::vector<RecurringFragment> mixed = {{0, 1, 2}, {1, 1, 3}, {2, 1, 2}, {3, 1, 5}, {4, 1, 3}};
    sortByFrequency(mixed);
    EXPECT_EQ(rows(mixed), "гбдав");
}

TEST(FragmentReports, SortsReplayTheLiteralSelectionProcedure) {
    std::mt19937 random(5);
    const auto byCount = [](const auto& a, const auto& b) { return a.count > b.count; };
    for (int round = 0; round < 300; ++round) {
        // Fragments of one search, found in every range of a text with blanks at
        // either end, many prefixes of one another and counts that often tie.
        std::string text;
        for (std::size_t i = 0, size = 4 + random() % 60; i < size; ++i) {
            text.push_back(" ab"[random() % 3]);
        }
        const int minLength = 1 + static_cast<int>(random() % 3);
        UnwatchedJob job;
        auto entries = *findRecurringFragments(text, minLength,
                                               minLength + static_cast<int>(random() % 40), job);
        std::shuffle(entries.begin(), entries.end(), random);
        auto expected = entries;
        testing::literalSelectionSort(
            expected, [&](const auto& a, const auto& b) { return a.text(text) > b.text(text); });
        sortAlphabetically(entries);
        ASSERT_EQ(entries, expected) << text;
        std::shuffle(entries.begin(), entries.end(), random);  // ties in any order
        expected = entries;
        testing::literalSelectionSort(expected, byCount);
        sortByFrequency(entries);
        ASSERT_EQ(entries, expected);
    }
}

// Reports far larger than one piece: each file holds the whole text, and every
// row, wherever the pieces were cut, has its count at column C and its length at
// column C + 8.
TEST(FragmentReports, StreamedFilesHoldTheWholeText) {
    testing::TempFolder folder;
    std::mt19937 random(8);
    std::string text;
    for (int i = 0; i < 60000; ++i) {
        text.push_back("abcd "[random() % 5]);
    }
    UnwatchedJob job;
    auto fragments = *findRecurringFragments(text, 3, 12, job);
    ASSERT_GT(fragments.size(), 20000U);
    ASSERT_TRUE(writeFragmentReports(folder.path(), "t.txt", text, fragments, 3, 12));
    std::uint32_t longest = 0;
    for (const auto& fragment : fragments) {
        longest = std::max(longest, fragment.length);
    }
    const auto column = static_cast<std::size_t>(reportColumn(static_cast<int>(longest)));
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        if (report == FragmentReport::Alphabetical) {
            sortAlphabetically(fragments);
        } else if (report == FragmentReport::ByFrequency) {
            sortByFrequency(fragments);
        }
        const auto written = folder.read(std::string("t.txt") + fragmentReportSuffix(report));
        ASSERT_EQ(written,
                  fragmentReportText(report, text, fragments, 3, 12, static_cast<int>(column)));
        std::size_t rows = 0;
        for (std::size_t line = written.find("\r\n\r\n", written.find(cp("Фраза"))) + 4;
             written.compare(line, 2, "\r\n") != 0; line = written.find("\r\n", line) + 2) {
            const auto row =
                std::string_view(written).substr(line, written.find("\r\n", line) - line);
            ASSERT_TRUE(row.size() > column + 8 && row[column - 1] == ' ' &&
                        std::isdigit(static_cast<unsigned char>(row[column])) &&
                        row[column + 7] == ' ' &&
                        std::isdigit(static_cast<unsigned char>(row[column + 8])))
                << row;
            ++rows;
        }
        EXPECT_EQ(rows, fragments.size());
    }
}

}  // namespace
}  // namespace undertext::echoscan
