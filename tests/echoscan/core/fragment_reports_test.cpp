#include "echoscan/core/fragment_reports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "common/core/codepage.h"
#include "tests/echoscan/core/literal_fragment_search.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

using Lines = std::vector<std::string>;

// The report as UTF-8 lines; every line, the last included, ends with CR LF.
Lines linesOf(const std::string& report) {
    EXPECT_TRUE(report.ends_with("\r\n"));
    Lines lines;
    for (std::size_t begin = 0, end = 0; (end = report.find("\r\n", begin)) != std::string::npos;
         begin = end + 2) {
        lines.push_back(cp1251ToUtf8(report.substr(begin, end - begin)));
    }
    return lines;
}

TEST(FragmentReports, TheThreeFilesOfTheExample) {
    // «мама мыла раму мама мыла окно » searched from 2 to 40.
    const std::string text = utf8ToCp1251("мама мыла раму мама мыла окно ");
    testing::TempFolder folder;
    ASSERT_TRUE(writeFragmentReports(folder.path(), "text.txt", text,
                                     {{1, 2, 3}, {4, 2, 3}, {0, 10, 2}}, 2, 40));
    const Lines byLength = {"  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов.",
                            "",
                            "Фраза      Кол-во  Длина",
                            "",
                            "мама мыла  2       10",
                            " м         3       2",
                            "ам         3       2",
                            "",
                            "Всего повторяющихся фрагментов:  3"};
    EXPECT_EQ(linesOf(folder.read("text.txt_RecSortByLen.txt")), byLength);
    // The alphabetical and frequency reports both list « м», «ам», «мама мыла ».
    auto expected = byLength;
    std::rotate(expected.begin() + 4, expected.begin() + 5, expected.begin() + 7);
    expected[0] = "     СОРТИРОВКА ПО АЛФАВИТУ  интервал поиска от 2 до 40 символов.";
    EXPECT_EQ(linesOf(folder.read("text.txt_RecSortByAlf.txt")), expected);
    expected[0] = "    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от 2 до 40 символов.";
    EXPECT_EQ(linesOf(folder.read("text.txt_RecSortByFriq.txt")), expected);
}

TEST(FragmentReports, EmptyReportAndColumns) {
    const Lines empty = {
        "    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от 4 до 40 символов.",
        "",
        "Фраза Кол-во  Длина",
        "",
        "",
        "Всего повторяющихся фрагментов:  0"};
    EXPECT_EQ(linesOf(fragmentReportText(FragmentReport::ByFrequency, "", {}, 4, 40, 6)), empty);

    // C = 10 for a longest fragment of 9; a trailing blank meets the count's blank;
    // a count of ten million pushes the length to column C + 8 of the next line.
    const auto lines = linesOf(fragmentReportText(FragmentReport::Alphabetical, "abcdefgh xyz",
                                                  {{9, 2, 12345678}, {0, 9, 2}}, 2, 9, 10));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "Фраза     Кол-во  Длина");
    EXPECT_EQ(lines[4], "xy        12345678");
    EXPECT_EQ(lines[5], std::string(17, ' ') + " 2");
    EXPECT_EQ(lines[6], "abcdefgh  2       9");
}

TEST(FragmentReports, FrequencyTiesFollowTheSelectionProcedure) {
    const std::string letters = utf8ToCp1251("абвгд");
    const auto rows = [&](const std::vector<RecurringFragment>& entries) {
        Lines texts;
        for (const auto& line :
             linesOf(fragmentReportText(FragmentReport::ByFrequency, letters, entries, 1, 1, 6))) {
            texts.push_back(line.substr(0, line.find(' ')));
        }
        return Lines(texts.begin() + 4, texts.end() - 2);
    };
    std::vector<RecurringFragment> same = {{3, 1, 4}, {1, 1, 4}, {0, 1, 4}, {2, 1, 4}};
    sortAlphabetically(same, letters);
    sortByFrequency(same);
    EXPECT_EQ(rows(same), (Lines{"а", "г", "в", "б"}));
    std::vector<RecurringFragment> mixed = {{0, 1, 2}, {1, 1, 3}, {2, 1, 2}, {3, 1, 5}, {4, 1, 3}};
    sortByFrequency(mixed);
    EXPECT_EQ(rows(mixed), (Lines{"г", "б", "д", "а", "в"}));
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
}  // namespace undertext
