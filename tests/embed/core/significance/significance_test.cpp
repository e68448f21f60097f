#include "embed/core/significance/significance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "embed/core/embedded_search.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/letter_model.h"
#include "testing/literal/embed_search.h"

namespace undertext::embed {
namespace {

using testing::cp;
using testing::dicWordsOf;

// The assessment of a Russian text as a run makes it: prepared, searched, counted.
SignificanceOutcome assess(const std::string& text, const std::vector<std::string>& dictionary,
                           int order = kDefaultModelOrder) {
    const auto prepared = prepareLetters(text, Language::Russian);
    const auto dicWords = dicWordsOf(dictionary);
    const auto found = EmbeddedSearch(prepared, dicWords).embeddedWords();
    return assessSignificance(prepared, dicWords, found, Language::Russian, order);
}

TEST(Significance, RefusesWhatItCannotAssess) {
    const std::vector<std::string> words = {cp("кота"), cp("абвг")};
    const struct {
        const char* text;
        std::vector<std::string> dictionary;
        int order;
        std::optional<SignificanceRefusal> refusal;
    } cases[] = {
        {"кот и кот", words, -1, SignificanceRefusal::ModelOrderOutOfRange},
        {"кот и кот", words, 3, SignificanceRefusal::ModelOrderOutOfRange},
        // Fewer than k + 2 letters, separators aside.
        {"а...", words, 0, SignificanceRefusal::TextTooShort},
        {"а б.", words, 1, SignificanceRefusal::TextTooShort},
        {"а, б, в", words, 2, SignificanceRefusal::TextTooShort},
        {"а, б, в, г", words, 2, std::nullopt},
        {"аб..", words, 0, std::nullopt},
        // Too short for the model, a capital, ё, Latin letters, an empty entry.
        {"кот и кот",
         {cp("ко"), cp("Кот"), cp("ёлка"), "cat", "", cp("кот").substr(0, 2)},
         1,
         SignificanceRefusal::NothingTestable},
        {"кот и кот", {cp("кот")}, 2, SignificanceRefusal::NothingTestable},
        {"кот и кот", {cp("кот")}, 1, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto outcome = assess(cp(c.text), c.dictionary, c.order);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.text << ", order " << c.order;
        if (outcome.refusal) {
            EXPECT_TRUE(outcome.table.rows.empty());
        }
    }
}

TEST(Significance, RefusalMessagesNameWhatIsMissing) {
    EXPECT_NE(refusalMessage(SignificanceRefusal::TextTooShort, 2).find("4 букв"),
              std::string::npos);
    EXPECT_NE(refusalMessage(SignificanceRefusal::NothingTestable, 0).find("больше 1"),
              std::string::npos);
    EXPECT_NE(refusalMessage(SignificanceRefusal::ModelOrderOutOfRange, 7).find("0, 1 или 2"),
              std::string::npos);
}

TEST(Significance, OneRowPerFoundWordWithItsOccurrencesOnce) {
    // «скотина кот котел»: кот counts in «скотина» and «котел», not as the whole
    // word; котел only occurs as a whole word; тел once; от three times, ел once.
    const auto outcome = assess(
        cp("скотина кот котел"),
        {cp("кот"), cp("тел"), cp("от"), cp("кот"), cp("ел"), cp("котел"), cp("Кот"), cp("ёж")});
    ASSERT_FALSE(outcome.refusal);
    const auto& table = outcome.table;
    EXPECT_EQ(table.familySize, 3u);  // кот, тел, котел
    std::vector<std::tuple<std::string, std::int64_t, bool>> rows;
    for (const auto& row : table.rows) {
        rows.emplace_back(cp1251ToUtf8(row.word), row.observed, row.tested);
        EXPECT_GT(row.expected, 0);
        EXPECT_LE(row.p, row.q) << cp1251ToUtf8(row.word);
        EXPECT_LE(row.q, 1.0);
        if (!row.tested) {
            EXPECT_EQ(row.p, 1.0);
            EXPECT_EQ(row.q, 1.0);
        }
    }
    // Untested rows (two letters, k = 1) come last; кот is listed twice in the
    // modules and counted twice per place by the search.
    std::sort(rows.begin(), rows.begin() + 2);
    std::sort(rows.begin() + 2, rows.end());
    EXPECT_EQ(rows, (std::vector<std::tuple<std::string, std::int64_t, bool>>{
                        {"кот", 2, true}, {"тел", 1, true}, {"ел", 1, false}, {"от", 3, false}}));
}

TEST(Significance, ExpectationsFollowTheChosenOrder) {
    const auto text = cp("скотина кот котел, котенок и кошка");
    const auto prepared = prepareLetters(text, Language::Russian);
    for (int order = 0; order <= kMaxModelOrder; ++order) {
        const auto outcome = assess(text, {cp("кот"), cp("кошка"), cp("отел")}, order);
        ASSERT_FALSE(outcome.refusal);
        EXPECT_EQ(outcome.table.modelOrder, order);
        const LetterModel model(prepared.letters, order);
        const CountablePositions positions(prepared);
        for (const auto& row : outcome.table.rows) {
            EXPECT_DOUBLE_EQ(row.expected, expectedCount(model, positions, row.word));
        }
    }
}

TEST(Significance, WordsNeverFoundStillCountInTheFamily) {
    // A text where «мылараму» recurs far more often than its letters explain.
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += cp("мама мыла раму, рама мыла маму. ");
    }
    std::vector<std::string> dictionary = {cp("мылараму")};
    const auto alone = assess(text, dictionary);
    for (int i = 0; i < 999; ++i) {
        dictionary.push_back(cp("щщщ") + std::to_string(i));
    }
    // Digits are not letters: these entries are not testable and change nothing.
    const auto withUntestable = assess(text, dictionary);
    dictionary.resize(1);
    for (int i = 1; i <= 999; ++i) {
        std::string word = cp("щщ");
        for (int n = i; n > 0; n /= 10) {
            word += cp("абвгдежзий").substr(static_cast<std::size_t>(n % 10), 1);
        }
        dictionary.push_back(word);
    }
    const auto withUnfound = assess(text, dictionary);
    ASSERT_FALSE(alone.refusal);
    ASSERT_EQ(alone.table.rows.size(), 1u);
    const auto& row = alone.table.rows[0];
    EXPECT_EQ(alone.table.familySize, 1u);
    EXPECT_LT(row.p, 1e-6);
    EXPECT_EQ(row.q, row.p);
    EXPECT_EQ(withUntestable.table.familySize, 1u);
    EXPECT_EQ(withUntestable.table.rows[0].q, row.q);
    EXPECT_EQ(withUnfound.table.familySize, 1000u);
    EXPECT_NEAR(withUnfound.table.rows[0].q, 1000 * row.p, 1e-9 * row.p * 1000);
}

TEST(Significance, RowsComeInReportOrder) {
    std::mt19937 random(7);
    std::string text;
    std::vector<std::string> dictionary;
    const auto syllables = cp("ма па ра ка то ло ко но");
    for (int i = 0; i < 3000; ++i) {
        text += syllables.substr(3 * (random() % 8), 2);
        text += random() % 3 == 0 ? " " : "";
        text += i % 100 == 0 ? cp("котлета") : "";  // inside a longer word
    }
    dictionary.push_back(cp("котлета"));
    for (int i = 0; i < 400; ++i) {
        const auto at = random() % (text.size() - 6);
        dictionary.push_back(text.substr(at, 2 + random() % 5));
    }
    const auto outcome = assess(text, dictionary);
    ASSERT_FALSE(outcome.refusal);
    const auto& rows = outcome.table.rows;
    ASSERT_GT(rows.size(), 20u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& a = rows[i - 1];
        const auto& b = rows[i];
        SCOPED_TRACE(cp1251ToUtf8(a.word) + " before " + cp1251ToUtf8(b.word));
        ASSERT_GE(a.tested, b.tested);
        if (a.tested == b.tested) {
            if (a.tested && a.q != b.q) {
                EXPECT_LT(a.q, b.q);
            } else if (a.ratio() != b.ratio()) {
                EXPECT_GT(a.ratio(), b.ratio());
            } else {
                EXPECT_LT(a.word, b.word);
            }
        }
    }
    EXPECT_EQ(rows.front().word, cp("котлета"));
    EXPECT_LT(rows.front().q, 0.05);
}

}  // namespace
}  // namespace undertext::embed
