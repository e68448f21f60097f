#include "echoscan/core/fragment_reports.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/core/codepage.h"
#include "common/core/number_text.h"
#include "tests/echoscan/core/literal_fragment_search.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

// The report as UTF-8 lines, checking that every line ends with CR LF.
std::vector<std::string> linesOf(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < report.size()) {
        const auto end = report.find("\r\n", begin);
        EXPECT_NE(end, std::string::npos) << "unterminated last line";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(cp1251ToUtf8(report.substr(begin, end - begin)));
        begin = end + 2;
    }
    return lines;
}

// «мама мыла раму мама мыла окно », searched from 2 to 40.
const std::string kMothers = cp("мама мыла раму мама мыла окно ");
const std::vector<RecurringFragment> kMothersFound = {{1, 2, 3}, {4, 2, 3}, {0, 10, 2}};

TEST(FragmentReports, TheLengthReportOfTheExample) {
    const auto report = fragmentReportText(FragmentReport::ByLength, kMothers, kMothersFound, 2, 40,
                                           reportColumn(10));
    const std::vector<std::string> expected = {
        "  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов.",
        "",
        "Фраза      Кол-во  Длина",
        "",
        "мама мыла  2       10",
        " м         3       2",
        "ам         3       2",
        "",
        "Всего повторяющихся фрагментов:  3"};
    EXPECT_EQ(linesOf(report), expected);
}

TEST(FragmentReports, WritesTheThreeFilesWithTheirOwnOrders) {
    testing::TempFolder folder;
    ASSERT_TRUE(writeFragmentReports(folder.path(), "text.txt", kMothers, kMothersFound, 2, 40));
    const auto alphabetical = linesOf(folder.read("text.txt_RecSortByAlf.txt"));
    const auto frequency = linesOf(folder.read("text.txt_RecSortByFriq.txt"));
    ASSERT_EQ(alphabetical.size(), 9u);
    ASSERT_EQ(frequency.size(), 9u);
    EXPECT_EQ(alphabetical[0], "     СОРТИРОВКА ПО АЛФАВИТУ  интервал поиска от 2 до 40 символов.");
    EXPECT_EQ(frequency[0],
              "    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от 2 до 40 символов.");
    for (const auto& lines : {alphabetical, frequency}) {
        EXPECT_EQ(lines[4], " м         3       2");
        EXPECT_EQ(lines[5], "ам         3       2");
        EXPECT_EQ(lines[6], "мама мыла  2       10");
        EXPECT_EQ(lines[8], "Всего повторяющихся фрагментов:  3");
    }
    EXPECT_EQ(linesOf(folder.read("text.txt_RecSortByLen.txt"))[4], "мама мыла  2       10");
}

TEST(FragmentReports, EmptyReportAndColumns) {
    const auto empty = linesOf(fragmentReportText(FragmentReport::ByFrequency, "", {}, 4, 40, 6));
    const std::vector<std::string> expected = {
        "    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от 4 до 40 символов.",
        "",
        "Фраза Кол-во  Длина",
        "",
        "",
        "Всего повторяющихся фрагментов:  0"};
    EXPECT_EQ(empty, expected);

    // C = 10 for a longest fragment of 9; a trailing blank meets the count's blank;
    // a count of ten million pushes the length to column C + 8 of the next line.
    const std::string text = "abcdefgh xyz";
    const std::vector<RecurringFragment> found = {{9, 2, 12345678}, {0, 9, 2}};
    const auto lines =
        linesOf(fragmentReportText(FragmentReport::Alphabetical, text, found, 2, 9, 10));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "Фраза     Кол-во  Длина");
    EXPECT_EQ(lines[4], "xy        12345678");
    EXPECT_EQ(lines[5], std::string(17, ' ') + " 2");
    EXPECT_EQ(lines[6], "abcdefgh  2       9");
}

// The rows' fragment texts of a report whose fragments are single letters.
std::vector<std::string> letterRows(FragmentReport report, std::string_view text,
                                    const std::vector<RecurringFragment>& entries) {
    const auto lines = linesOf(fragmentReportText(report, text, entries, 1, 1, 6));
    std::vector<std::string> rows;
    for (std::size_t i = 4; i + 2 < lines.size(); ++i) {
        rows.push_back(lines[i].substr(0, lines[i].find(' ')));
    }
    return rows;
}

TEST(FragmentReports, FrequencyTiesFollowTheSelectionProcedure) {
    const auto letters = cp("абвгд");
    std::vector<RecurringFragment> same = {{3, 1, 4}, {1, 1, 4}, {0, 1, 4}, {2, 1, 4}};
    sortAlphabetically(same, letters);
    EXPECT_EQ(letterRows(FragmentReport::Alphabetical, letters, same),
              (std::vector<std::string>{"а", "б", "в", "г"}));
    sortByFrequency(same);
    EXPECT_EQ(letterRows(FragmentReport::ByFrequency, letters, same),
              (std::vector<std::string>{"а", "г", "в", "б"}));

    std::vector<RecurringFragment> mixed = {{0, 1, 2}, {1, 1, 3}, {2, 1, 2}, {3, 1, 5}, {4, 1, 3}};
    sortByFrequency(mixed);
    EXPECT_EQ(letterRows(FragmentReport::ByFrequency, letters, mixed),
              (std::vector<std::string>{"г", "б", "д", "а", "в"}));
}

TEST(FragmentReports, SortsReplayTheLiteralSelectionProcedure) {
    std::mt19937 random(5);
    const std::string text = "ab a bba";
    for (int round = 0; round < 300; ++round) {
        // Distinct texts, as RecurringFragments has, with counts that often tie.
        std::vector<RecurringFragment> entries;
        std::set<std::string_view> texts;
        for (int i = 0; i < 40; ++i) {
            RecurringFragment entry;
            entry.start = static_cast<std::uint32_t>(random() % text.size());
            entry.length = 1 + static_cast<std::uint32_t>(random() % (text.size() - entry.start));
            entry.count = 1 + static_cast<std::uint32_t>(random() % 4);
            if (texts.insert(entry.text(text)).second) {
                entries.push_back(entry);
            }
        }
        std::shuffle(entries.begin(), entries.end(), random);
        auto expected = entries;
        testing::literalSelectionSort(expected, [&text](const auto& a, const auto& b) {
            return a.text(text) > b.text(text);
        });
        sortAlphabetically(entries, text);
        ASSERT_EQ(entries, expected);

        testing::literalSelectionSort(
            expected, [](const auto& a, const auto& b) { return a.count > b.count; });
        sortByFrequency(entries);
        ASSERT_EQ(entries, expected);

        // Any order of ties, not only the alphabetical one.
        std::shuffle(entries.begin(), entries.end(), random);
        expected = entries;
        testing::literalSelectionSort(
            expected, [](const auto& a, const auto& b) { return a.count > b.count; });
        sortByFrequency(entries);
        ASSERT_EQ(entries, expected);
    }
}

}  // namespace
}  // namespace undertext
