#include <gtest/gtest.h>

#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "tests/embed/core/embed_test_support.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using testing::cp;

TEST(EmbedExamples, PreparationCutsLettersIntoSlots) {
    const struct {
        const char* text;
        Language language;
        const char* letters;
        std::vector<std::uint32_t> wordEnd;
    } cases[] = {{"Мама мыла раму.\r\n", Language::Russian, "мамамылараму", {0, 4, 8, 12, 12}},
                 {"ёлка", Language::Russian, "лка", {0, 0, 3}},
                 {"Don't кот", Language::English, "dont", {0, 3, 4, 4}}};
    for (const auto& c : cases) {
        const auto text = prepareLetters(cp(c.text), c.language);
        EXPECT_EQ(text.letters, cp(c.letters)) << c.text;
        EXPECT_EQ(text.wordEnd, c.wordEnd) << c.text;
    }
    // The letter file replaces an older file of its name.
    undertext::testing::TempFolder folder;
    folder.write("~$t.txt", "older and longer content");
    folder.write("t.txt", cp("Кот ел."));
    EXPECT_EQ(prepareText(folder.path(), "t.txt", Language::Russian).kind,
              PrepareResult::Kind::Prepared);
    EXPECT_EQ(folder.read("~$t.txt"), cp("котел"));
}

// The found words as "word count, ..." and the text-order report, in UTF-8.
std::pair<std::string, std::string> search(const char* text, std::vector<std::string> words) {
    for (auto& word : words) {
        word = cp(word);
    }
    const auto prepared = prepareLetters(cp(text), Language::Russian);
    const auto dicWords = testing::dicWordsOf(words);
    const EmbeddedSearch search(prepared, dicWords);
    std::string found, report;
    for (const auto& word : search.embeddedWords()) {
        found += (found.empty() ? "" : ", ") + word.word + " " + std::to_string(word.count);
    }
    produceTextOrderReport(prepared, search, dicWords, [&](std::string_view piece) {
        report += piece;
        return true;
    });
    return {cp1251ToUtf8(found), cp1251ToUtf8(report)};
}

TEST(EmbedExamples, WholeWordsAreLeftOutOverlapsAndDuplicateEntriesCount) {
    const struct {
        const char* text;
        std::vector<std::string> words;
        const char* found;
    } cases[] = {{"кот ел", {"котел", "тел", "ел", "кот"}, "котел 1, тел 1"},
                 {"кот скотина", {"кот"}, "кот 1"},
                 {"банана", {"ана"}, "ана 2"},
                 {"банана", {"нан", "ана", "нан"}, "нан 2, ана 2"},
                 // «аааб»: «аа» at 1 and 2 both start in the slot «аа».
                 {"аа аб", {"аа", "а"}, "а 3"},
                 {"котел", {"", "Кот", "ко т", "ёж"}, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(search(c.text, c.words).first, c.found) << c.text;
    }
}

TEST(EmbedExamples, TextOrderReportPadsWordsToTheNextZone) {
    EXPECT_EQ(search("кот ел", {"котел", "тел", "ел", "кот"}).second,
              "кот" + std::string(11, ' ') + "котел,тел,\r\nел" + std::string(12, ' ') + "\r\n");
    EXPECT_EQ(search("абвгдежзийклмн абвгдежзийклм", {}).second,
              "абвгдежзийклмн" + std::string(14, ' ') + "\r\nабвгдежзийклм \r\n");
}

std::string sortedReport(SortedReport kind, std::vector<EmbeddedWord> words, std::uint32_t slots) {
    for (auto& word : words) {
        word.word = cp(word.word);
    }
    const auto totals = embedTotals(words, slots);
    sortForReport(kind, words);
    return cp1251ToUtf8(sortedReportText(kind, words, totals));
}

TEST(EmbedExamples, SortedReportsLayoutRowsTotalsAndTies) {
    EXPECT_EQ(
        sortedReport(SortedReport::ByFrequency, {{"кот", 12, 3}, {"котел", 3, 5}}, 3),
        "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ, ЗАТЕМ ПО ДЛИНЕ СЛОВ \r\n"
        "\r\nСловоКол.Повт. Длина\r\n\r\nкот   12      3 \r\nкотел 3       5 \r\n\r\n"
        "Найдено вложенных слов:  2\r\nВсего слов в тексте:  3\r\nКоэффициент:  .6666667\r\n");
    EXPECT_EQ(sortedReport(SortedReport::ByLength, {{"кот", 12, 3}, {"котенок", 1, 7}}, 2),
              "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ДЛИНЕ СЛОВ, ЗАТЕМ ПО ВСТРЕЧАЕМОСТИ\r\n"
              "\r\nСлово  Кол.Повт. Длина\r\n\r\nкотенок 1       7 \r\nкот     12      3 \r\n\r\n"
              "Найдено вложенных слов:  2\r\nВсего слов в тексте:  2\r\nКоэффициент:  1\r\n");
    // A count past column C + 8 sends the length to that column of the next line.
    EXPECT_NE(sortedReport(SortedReport::Alphabetical, {{"я", 1234567, 1}}, 4)
                  .find("  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО АЛФАВИТУ\r\n\r\nСловоКол.Повт. "
                        "Длина\r\n\r\nя     1234567 \r\n" +
                        std::string(13, ' ') + " 1 \r\n\r\n"),
              std::string::npos);

    std::vector<EmbeddedWord> words = {{"A", 1, 3}, {"B", 1, 3}, {"C", 2, 4}};
    sortForReport(SortedReport::ByFrequency, words);
    EXPECT_EQ(words[0].word + words[1].word + words[2].word, "CBA");
}

}  // namespace
}  // namespace undertext::embed
