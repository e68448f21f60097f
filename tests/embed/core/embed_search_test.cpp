#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "testing/literal/embed_search.h"
#include "testing/support/temp_folder.h"
#include "testing/support/test_data.h"

namespace undertext::embed {
namespace {

using testing::cp;

// Russian letters are the oracle's below, English ones the word locator's (its
// spans run across the slots).
TEST(EmbedExamples, TheLetterFileReplacesAnOlderFileOfItsName) {
    undertext::testing::TempFolder folder;
    folder.write("~$t.txt", "older and longer content");
    folder.write("t.txt", cp("Кот ел."));
    EXPECT_EQ(prepareText(folder.path(), "t.txt", Language::Russian).kind,
              PrepareResult::Kind::Prepared);
    EXPECT_EQ(folder.read("~$t.txt"), cp("котел"));
}

// The text-order report of text when no word is found.
std::string textOrderReport(const char* text) {
    const auto prepared = prepareLetters(cp(text), Language::Russian);
    const auto dicWords = testing::dicWordsOf({});
    const EmbeddedSearch search(prepared, dicWords);
    std::string report;
    produceTextOrderReport(prepared, search, [&](std::string_view piece) {
        report += piece;
        return true;
    });
    return report;
}

// Counting, whole words and overlaps are the oracle's below; the layout of a zone:
TEST(EmbedExamples, TextOrderReportZones) {
    // In the text-order report 14 letters fill a zone and get 14 blanks more; 13
    // get one. («кот ел» is checked byte for byte by the batch tool's test.)
    EXPECT_EQ(textOrderReport("абвгдежзийклмн абвгдежзийклм"),
              undertext::testing::testData("embed/core/embed_search/text_order_zones.txt"));
}

std::string sortedReport(SortedReport kind, std::vector<EmbeddedWord> words, std::uint32_t slots) {
    for (auto& word : words) {
        word.word = cp(word.word);
    }
    const auto totals = embedTotals(words, slots);
    sortForReport(kind, words);
    return sortedReportText(kind, words, totals);
}

TEST(EmbedExamples, SortedReportsLayoutRowsAndTotals) {
    EXPECT_EQ(sortedReport(SortedReport::ByFrequency, {{"кот", 12, 3}, {"котел", 3, 5}}, 3),
              undertext::testing::testData("embed/core/embed_search/by_frequency.txt"));
    EXPECT_EQ(sortedReport(SortedReport::ByLength, {{"кот", 12, 3}, {"котенок", 1, 7}}, 2),
              undertext::testing::testData("embed/core/embed_search/by_length.txt"));
    // A count past column C + 8 sends the length to that column of the next line.
    EXPECT_NE(cp1251ToUtf8(sortedReport(SortedReport::Alphabetical, {{"я", 1234567, 1}}, 4))
                  .find("  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО АЛФАВИТУ\r\n\r\nСловоКол.Повт. "
                        "Длина\r\n\r\nя     1234567 \r\n" +
                        std::string(13, ' ') + " 1 \r\n\r\n"),
              std::string::npos);
}

// Few letters, so that words recur and overlap; upper case, runs of separators,
// ё and a Latin letter as separators.
std::string randomText(std::mt19937& random) {
    const std::vector<std::string> pieces = {cp("а"), cp("а"), cp("б"), cp("б"), cp("в"), cp("А"),
                                             cp("Б"), " ",     " ",     ".\r\n", cp("ё"), "x"};
    std::string text;
    for (auto length = random() % 41; length > 0; --length) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

// Random short words, empty and upper-case entries, whole slots, pieces that run
// across slots, and duplicates.
std::vector<std::string> randomDictionary(std::mt19937& random, const PreparedText& text) {
    const auto& letters = text.letters;
    std::vector<std::string> words;
    for (auto count = random() % 26; count > 0; --count) {
        std::string word;
        const auto kind = random() % 6;
        if (kind == 0) {
            word = text.textWord(1 + static_cast<std::uint32_t>(random() % text.wordCount()));
        } else if (kind == 1 && !letters.empty()) {
            word = letters.substr(random() % letters.size(), 1 + random() % 5);
        } else if (kind == 2 && !words.empty()) {
            word = words[random() % words.size()];
        } else if (kind == 3) {
            word = random() % 2 ? cp("А") : "";
        } else {
            for (auto length = 1 + random() % 4; length > 0; --length) {
                word += cp("абв").substr(random() % 3, 1);
            }
        }
        words.push_back(word);
    }
    return words;
}

// Long words that share their first letters, a word that is another's start and
// letters either side of 0x80: the sorts as the literal procedure leaves them.
TEST(EmbedOracle, SortsOfLongWordsSharingTheirStartMatchTheLiteralProcedure) {
    std::vector<EmbeddedWord> words;
    for (const char* word :
         {"приближённый", "приближение", "приближ", "приближенный", "прибли", "приближенно",
          "abcdefghij", "abcdefghi", "abcdefgh\xff", "abcdefgh", "ябцдефгх", "ябцдефгхa"}) {
        words.push_back({cp(word), static_cast<std::int64_t>(words.size() % 3 + 1),
                         static_cast<int>(cp(word).size())});
    }
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(words.begin(), words.end(), random);
        for (const auto kind :
             {SortedReport::ByFrequency, SortedReport::ByLength, SortedReport::Alphabetical}) {
            auto sorted = words;
            auto expected = words;
            sortForReport(kind, sorted);
            testing::literalReportSort(kind, expected);
            ASSERT_EQ(sorted, expected);
        }
    }
}

// Words that share hundreds of letters with the word before them in byte order:
// the search's order keeps such shares apart from the short ones.
TEST(EmbedOracle, WordsSharingHundredsOfLettersAreFoundAsTheLiteralSearchFindsThem) {
    const auto run = [](std::size_t shared) {
        const std::string stem(shared, cp("а")[0]);
        const auto text = stem + cp("бв ") + stem + cp("в ") + stem.substr(1) + cp("б");
        const std::vector<std::string> dictionary = {
            stem + cp("б"), stem + cp("бв"),          stem + cp("в"), stem + cp("вг"), stem,
            stem + cp("б"), stem.substr(1) + cp("б"), cp("ав"),       cp("б")};
        const auto prepared = prepareLetters(text, Language::Russian);
        const auto literal = testing::literalRun(text, Language::Russian, dictionary);
        const auto dicWords = testing::dicWordsOf(dictionary);
        const EmbeddedSearch search(prepared, dicWords);
        EXPECT_EQ(search.occurrenceCount(), literal.occurrences.size());
        EXPECT_EQ(search.embeddedWords(), literal.embedded);
    };
    for (const std::size_t shared : {253, 254, 255, 256, 300}) {
        SCOPED_TRACE(shared);
        run(shared);
    }
}

TEST(EmbedOracle, FastSearchCountingReportAndSortsMatchTheLiteralProcedures) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const auto text = randomText(random);
        const auto prepared = prepareLetters(text, Language::Russian);
        const auto dictionary = randomDictionary(random, prepared);
        const auto literal = testing::literalRun(text, Language::Russian, dictionary);
        ASSERT_EQ(prepared.letters, literal.letters);
        ASSERT_EQ(prepared.wordEnd, literal.wordEnd);

        const auto dicWords = testing::dicWordsOf(dictionary);
        const EmbeddedSearch search(prepared, dicWords);
        ASSERT_EQ(search.occurrenceCount(), literal.occurrences.size());
        // Small pieces, so that lines are also cut among their marks.
        std::string report;
        produceTextOrderReport(
            prepared, search,
            [&](std::string_view piece) {
                report += piece;
                return true;
            },
            1 + random() % 30);
        ASSERT_EQ(report, literal.report);
        ASSERT_EQ(textOrderReportSize(prepared, search), report.size());
        for (const SourceEncoding encoding :
             {SourceEncoding{TextEncoding::Utf8, true}, SourceEncoding{TextEncoding::Utf16Le, true},
              SourceEncoding{TextEncoding::Koi8R, false}}) {
            const TextEncoder encoder(encoding);
            ASSERT_EQ(textOrderReportSize(prepared, search, encoder),
                      encoder.encodeFile(report).size());
        }

        auto fast = search.embeddedWords();
        auto expected = literal.embedded;
        ASSERT_EQ(fast, expected);
        for (const auto kind :
             {SortedReport::ByFrequency, SortedReport::ByLength, SortedReport::Alphabetical}) {
            sortForReport(kind, fast);
            testing::literalReportSort(kind, expected);
            ASSERT_EQ(fast, expected);
        }
    }
}

}  // namespace
}  // namespace undertext::embed
