#include <gtest/gtest.h>

#include <random>

#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "tests/embed/core/embed_test_support.h"
#include "tests/embed/core/literal_embed.h"

namespace undertext::embed {
namespace {

using testing::cp;

std::string entries(const std::vector<EmbeddedWord>& words) {
    std::string text;
    for (const auto& word : words) {
        text +=
            word.word + " " + std::to_string(word.count) + " " + std::to_string(word.length) + ";";
    }
    return text;
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
        for (std::uint32_t p = 1; p <= prepared.letterCount(); ++p) {
            ASSERT_EQ(prepared.letterWord(p), literal.letterWord[p]);
        }

        const auto dicWords = testing::dicWordsOf(dictionary);
        const EmbeddedSearch search(prepared, dicWords);
        ASSERT_EQ(search.occurrenceCount(), literal.occurrences.size());
        // Small pieces, so that lines are also cut among their marks.
        std::string report;
        produceTextOrderReport(
            prepared, search, dicWords,
            [&](std::string_view piece) {
                report += piece;
                return true;
            },
            1 + random() % 30);
        ASSERT_EQ(report, literal.report);

        auto fast = search.embeddedWords();
        auto expected = literal.embedded;
        ASSERT_EQ(entries(fast), entries(expected));
        sortForReport(SortedReport::ByFrequency, fast);
        testing::literalSort(expected, [](const EmbeddedWord& a, const EmbeddedWord& b) {
            return a.count < b.count || (a.count == b.count && a.length < b.length);
        });
        ASSERT_EQ(entries(fast), entries(expected));
        sortForReport(SortedReport::ByLength, fast);
        testing::literalSort(expected, [](const EmbeddedWord& a, const EmbeddedWord& b) {
            return a.length < b.length || (a.length == b.length && a.count < b.count);
        });
        ASSERT_EQ(entries(fast), entries(expected));
        sortForReport(SortedReport::Alphabetical, fast);
        testing::literalSort(
            expected, [](const EmbeddedWord& a, const EmbeddedWord& b) { return a.word > b.word; });
        ASSERT_EQ(entries(fast), entries(expected));
    }
}

}  // namespace
}  // namespace undertext::embed
