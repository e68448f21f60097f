#include "embed/core/word_locator.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "embed/core/embedded_search.h"
#include "testing/literal/embed_search.h"

namespace undertext::embed {
namespace {

using testing::cp;

TEST(WordLocator, SpansRunFromTheFirstLetterToTheLastAcrossSeparators) {
    const struct {
        const char* text;
        const char* word;
        Language language;
        const char* spans;
    } cases[] = {
        {"Кот ел", "котел", Language::Russian, "0-6"},
        {"Кот ел", "тел", Language::Russian, "2-6"},
        {"Кот ел", "кот", Language::Russian, ""},  // a whole word
        {"Кот ел", "ел", Language::Russian, ""},
        {"банана", "ана", Language::Russian, "1-4 3-6"},
        // «аааб»: «аа» at 1 starts in the slot «аа», and so does «аа» at 2.
        {"аа аб", "аа", Language::Russian, ""},
        {"аа аб", "ааб", Language::Russian, "1-5"},
        {"Аа,\r\n\t«аБ» ", "ааб", Language::Russian, "1-9"},
        {"кОт-кот; скот", "кот", Language::Russian, "10-13"},
        {"ёж, ёжик", "жи", Language::Russian, "5-7"},  // ё separates
        {"котел", "Кот", Language::Russian, ""},
        {"котел", "ко т", Language::Russian, ""},
        {"котел", "", Language::Russian, ""},
        {"Don't stop", "tst", Language::English, "4-8"},
        {"ab кот cd", "bc", Language::English, "1-8"},
    };
    // Each case's spans as "begin-end ...".
    for (const auto& c : cases) {
        std::string found;
        for (const auto& [begin, end] : WordLocator(cp(c.text), c.language).find(cp(c.word))) {
            found += (found.empty() ? "" : " ") + std::to_string(begin) + "-" + std::to_string(end);
        }
        EXPECT_EQ(found, c.spans) << c.text << " / " << c.word;
    }
}

// Few letters, so that words recur, overlap and run across slots; every kind of
// separator, runs of them, upper case, and letters of the other language.
std::string randomText(std::mt19937& random, Language language) {
    static const std::vector<std::string> russian = {
        cp("а"), cp("а"), cp("б"), cp("б"), cp("А"), cp("Б"), " ",     " ", "\r\n",
        "\n",    "\t",    ",",     "-",     "7",     cp("ё"), cp("Ё"), "x", "\x98"};
    static const std::vector<std::string> english = {"a", "a", "b",    "b",     "A",     "B",
                                                     " ", "'", "\r\n", cp("а"), cp("я"), "\xC0"};
    const auto& pieces = language == Language::Russian ? russian : english;
    std::string text;
    for (auto length = random() % 40; length > 0; --length) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

// Whole slots, stretches of the letters (often across slots), and words of the
// alphabet that may not occur; some listed twice.
std::vector<std::string> randomWords(std::mt19937& random, const PreparedText& text) {
    std::vector<std::string> words;
    for (auto count = 1 + random() % 12; count > 0; --count) {
        const auto kind = random() % 4;
        if (kind == 0) {
            words.emplace_back(
                text.textWord(1 + static_cast<std::uint32_t>(random() % text.wordCount())));
        } else if (kind == 1 && !text.letters.empty()) {
            words.push_back(text.letters.substr(random() % text.letterCount(), 1 + random() % 6));
        } else if (kind == 2 && !words.empty()) {
            words.push_back(words[random() % words.size()]);
        } else {
            words.push_back(
                std::string(1 + random() % 3, text.letters.empty() ? 'a' : text.letters[0]));
        }
    }
    return words;
}

TEST(WordLocatorOracle, RandomTextsGiveTheLiteralSearchsOccurrencesAndTheReportsCounts) {
    std::mt19937 random(15);
    for (int round = 0; round < 1500; ++round) {
        const auto language = round % 4 == 3 ? Language::English : Language::Russian;
        const auto text = randomText(random, language);
        SCOPED_TRACE("round " + std::to_string(round) + ": \"" + cp1251ToUtf8(text) + "\"");
        const WordLocator locator(text, language);
        std::vector<std::uint32_t> letterAt;  // source position of each letter, by a plain walk
        for (std::uint32_t i = 0; i < text.size(); ++i) {
            if (isLetter(static_cast<unsigned char>(text[i]), language)) {
                letterAt.push_back(i);
            }
        }
        const auto prepared = prepareLetters(text, language);
        const auto words = randomWords(random, prepared);

        std::map<std::string, std::size_t> found;
        for (const auto& word : words) {
            const auto literal = testing::literalSearch(text, language, {word});
            std::vector<SourceSpan> expected;
            for (std::uint32_t p = 1; p < literal.positionMarks.size(); ++p) {
                if (!literal.positionMarks[p].empty()) {
                    expected.push_back({letterAt[p - 1], letterAt[p - 1 + word.size() - 1] + 1});
                }
            }
            const auto spans = locator.find(word);
            ASSERT_EQ(spans, expected) << "word \"" << cp1251ToUtf8(word) << "\"";
            found[word] = spans.size();
        }
        // A report counts each place once per dictionary entry of the word.
        const auto dicWords = testing::dicWordsOf(words);
        for (const auto& entry : EmbeddedSearch(prepared, dicWords).embeddedWords()) {
            const auto listed = std::count(words.begin(), words.end(), entry.word);
            ASSERT_EQ(entry.count, static_cast<std::int64_t>(found[entry.word]) * listed);
        }
    }
}

}  // namespace
}  // namespace undertext::embed
