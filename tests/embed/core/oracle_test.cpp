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

bool sameEntries(const std::vector<EmbeddedWord>& a, const std::vector<EmbeddedWord>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].word != b[i].word || a[i].count != b[i].count || a[i].length != b[i].length) {
            return false;
        }
    }
    return true;
}

// A text over few letters so that words recur and overlap: upper and lower case,
// blanks and punctuation in runs, ё and a Latin letter as separators.
std::string randomText(std::mt19937& random) {
    const std::vector<std::string> pieces = {cp("а"), cp("а"), cp("б"), cp("б"), cp("в"), cp("А"),
                                             cp("Б"), " ",     " ",     ".\r\n", cp("ё"), "x"};
    std::string text;
    const auto length = std::uniform_int_distribution<int>(0, 40)(random);
    for (int i = 0; i < length; ++i) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

// Dictionary words: short random strings, empty and upper-case entries, words cut
// from the text (whole slots and pieces across slots), and duplicates.
std::vector<std::string> randomDictionary(std::mt19937& random, const std::string& text) {
    const auto letters = prepareLetters(text, Language::Russian);
    const std::vector<std::string> alphabet = {cp("а"), cp("б"), cp("в")};
    std::vector<std::string> words;
    const auto count = std::uniform_int_distribution<int>(0, 25)(random);
    for (int i = 0; i < count; ++i) {
        std::string word;
        switch (random() % 6) {
            case 0:
                if (letters.wordCount() > 0) {
                    word = letters.textWord(1 + random() % letters.wordCount());
                }
                break;
            case 1:
                if (!letters.letters.empty()) {
                    const auto start = random() % letters.letters.size();
                    word = letters.letters.substr(start, 1 + random() % 5);
                }
                break;
            case 2:
                if (!words.empty()) {
                    word = words[random() % words.size()];
                }
                break;
            case 3:
                word = random() % 2 ? cp("А") : "";
                break;
            default:
                for (auto length = 1 + random() % 4; length > 0; --length) {
                    word += alphabet[random() % alphabet.size()];
                }
        }
        words.push_back(word);
    }
    return words;
}

TEST(EmbedOracle, FastSearchCountingAndReportsMatchTheLiteralProcedures) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const auto text = randomText(random);
        const auto dictionary = randomDictionary(random, text);
        SCOPED_TRACE("round " + std::to_string(round));
        const auto literal = testing::literalRun(text, Language::Russian, dictionary);

        const auto prepared = prepareLetters(text, Language::Russian);
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
        ASSERT_EQ(report, testing::literalTextOrderReport(literal));

        auto fast = search.embeddedWords();
        auto expected = literal.embedded;
        ASSERT_TRUE(sameEntries(fast, expected));
        sortForReport(SortedReport::ByFrequency, fast);
        testing::literalSelectionSort(expected, [](const EmbeddedWord& a, const EmbeddedWord& b) {
            return a.count < b.count || (a.count == b.count && a.length < b.length);
        });
        ASSERT_TRUE(sameEntries(fast, expected));
        sortForReport(SortedReport::ByLength, fast);
        testing::literalSelectionSort(expected, [](const EmbeddedWord& a, const EmbeddedWord& b) {
            return a.length < b.length || (a.length == b.length && a.count < b.count);
        });
        ASSERT_TRUE(sameEntries(fast, expected));
        sortForReport(SortedReport::Alphabetical, fast);
        testing::literalSelectionSort(
            expected, [](const EmbeddedWord& a, const EmbeddedWord& b) { return a.word > b.word; });
        ASSERT_TRUE(sameEntries(fast, expected));
    }
}

}  // namespace
}  // namespace undertext::embed
