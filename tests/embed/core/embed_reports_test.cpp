#include "embed/core/embed_reports.h"

#include <gtest/gtest.h>

#include "tests/embed/core/embed_test_support.h"

namespace undertext::embed {
namespace {

using testing::cp;

std::string textOrderReport(const std::string& text, const std::vector<std::string>& words) {
    const auto prepared = prepareLetters(cp(text), Language::Russian);
    std::vector<std::string> dictionary;
    for (const auto& word : words) {
        dictionary.push_back(cp(word));
    }
    const auto dicWords = testing::dicWordsOf(dictionary);
    const EmbeddedSearch search(prepared, dicWords);
    std::string report;
    produceTextOrderReport(prepared, search, dicWords, [&](std::string_view piece) {
        report += piece;
        return true;
    });
    return cp1251ToUtf8(report);
}

TEST(TextOrderReport, WordsArePaddedToTheNextZoneAndFollowedByTheirMarks) {
    EXPECT_EQ(textOrderReport("кот ел", {"котел", "тел", "ел", "кот"}),
              "кот" + std::string(11, ' ') + "котел,тел,\r\nел" + std::string(12, ' ') + "\r\n");
    // 14 letters take a whole zone and get 14 more blanks; 13 letters get one.
    EXPECT_EQ(textOrderReport("абвгдежзийклмн абвгдежзийклм", {}),
              "абвгдежзийклмн" + std::string(14, ' ') + "\r\nабвгдежзийклм \r\n");
    // Empty first and last slots give lines of 14 blanks; a word that runs on
    // into the next slot is listed where it starts, in dictionary order.
    const std::string blanks(14, ' ');
    EXPECT_EQ(textOrderReport(" ab кот ел.", {"ел", "оте", "тел", "т"}),
              blanks + "\r\nкот" + std::string(11, ' ') + "оте,тел,т,\r\nел" +
                  std::string(12, ' ') + "\r\n" + blanks + "\r\n");
}

std::string sortedReport(SortedReport kind, std::vector<EmbeddedWord> words, std::uint32_t slots) {
    for (auto& word : words) {
        word.word = cp(word.word);
    }
    const auto totals = embedTotals(words, slots);
    sortForReport(kind, words);
    return cp1251ToUtf8(sortedReportText(kind, words, totals));
}

TEST(SortedReports, LayoutRowsAndTotals) {
    EXPECT_EQ(sortedReport(SortedReport::ByFrequency, {{"кот", 12, 3}, {"котел", 3, 5}}, 3),
              "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ, ЗАТЕМ ПО ДЛИНЕ СЛОВ \r\n"
              "\r\n"
              "СловоКол.Повт. Длина\r\n"
              "\r\n"
              "кот   12      3 \r\n"
              "котел 3       5 \r\n"
              "\r\n"
              "Найдено вложенных слов:  2\r\n"
              "Всего слов в тексте:  3\r\n"
              "Коэффициент:  .6666667\r\n");
    const auto byLength =
        sortedReport(SortedReport::ByLength, {{"кот", 12, 3}, {"котенок", 1, 7}}, 2);
    EXPECT_EQ(byLength.substr(0, byLength.find("\r\n\r\nНайдено")),
              "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ДЛИНЕ СЛОВ, ЗАТЕМ ПО ВСТРЕЧАЕМОСТИ\r\n"
              "\r\n"
              "Слово  Кол.Повт. Длина\r\n"
              "\r\n"
              "котенок 1       7 \r\n"
              "кот     12      3 ");
    EXPECT_NE(byLength.find("Коэффициент:  1\r\n"), std::string::npos);
}

TEST(SortedReports, AHugeCountPushesTheLengthToTheNextLine) {
    const auto report = sortedReport(SortedReport::Alphabetical, {{"я", 1234567, 1}}, 4);
    EXPECT_NE(report.find("я     1234567 \r\n" + std::string(13, ' ') + " 1 \r\n"),
              std::string::npos);
    EXPECT_NE(report.find("Коэффициент:  .25\r\n"), std::string::npos);
}

TEST(SortedReports, TiesEndWhereTheSelectionProcedurePutsThem) {
    std::vector<EmbeddedWord> words = {{"A", 1, 3}, {"B", 1, 3}, {"C", 2, 4}};
    sortForReport(SortedReport::ByFrequency, words);
    EXPECT_EQ(words[0].word + words[1].word + words[2].word, "CBA");
    sortForReport(SortedReport::Alphabetical, words);
    EXPECT_EQ(words[0].word + words[1].word + words[2].word, "ABC");
}

}  // namespace
}  // namespace undertext::embed
