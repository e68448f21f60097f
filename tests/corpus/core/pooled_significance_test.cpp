#include "corpus/core/pooled_significance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "common/core/text/codepage.h"
#include "corpus/core/embed_summary.h"
#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/letter_model.h"
#include "embed/core/significance/self_overlap.h"
#include "embed/core/significance/significance_table.h"
#include "testing/literal/significance.h"

namespace undertext::corpus {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

// Three texts: two Russian ones («кот» stands in A alone, but B has its letters)
// and an English one.
const embed::PreparedText& textA() {
    static const auto text =
        embed::prepareLetters(cp("Кот у тот кот, и кот ест."), Language::Russian);
    return text;
}
const embed::PreparedText& textB() {
    static const auto text =
        embed::prepareLetters(cp("Ток тек, а тот ел о том."), Language::Russian);
    return text;
}
const embed::PreparedText& textC() {
    static const auto text = embed::prepareLetters("The cat sat on a mat.", Language::English);
    return text;
}

embed::TextModel fitted(const embed::PreparedText& text, int order) {
    return *embed::TextModel::fit(text, order);
}

// A text's record with the counts given (the summary takes them as its runs found
// them).
EmbedTextRecord record(const char* name, const embed::PreparedText& text, int order,
                       Language language, std::size_t familySize,
                       std::vector<std::pair<const char*, int>> words) {
    EmbedTextRecord record{name, text.letterCount(), {}};
    for (const auto& [word, count] : words) {
        const auto bytes = cp(word);
        record.words.push_back({bytes, count, static_cast<int>(bytes.size())});
    }
    record.textModel = embed::TextModel::fit(text, order);
    record.language = language;
    record.familySize = familySize;
    return record;
}

// The summary's rows, by their word (UTF-8): their fields after the word.
std::map<std::string, std::vector<std::string>> rows(EmbedSummary& summary) {
    std::string text;
    summary.produceSummary([&](std::string_view piece) { text += piece; });
    std::map<std::string, std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string word;
        std::getline(fields, word, '\t');
        for (std::string field; std::getline(fields, field, '\t');) {
            rows[word].push_back(field);
        }
    }
    return rows;
}

// P(X >= n) for X Poisson with mean mu, added up term by term.
double poissonTail(double mu, int n) {
    double below = 0;
    double term = std::exp(-mu);
    for (int j = 0; j < n; ++j) {
        below += term;
        term *= mu / (j + 1);
    }
    return 1 - below;
}

TEST(PooledSignificance, ExpectationsAddUpOverEveryTextAndQRanksTheWholeFamily) {
    const int order = 0;
    EmbedSummary summary(order, 2);
    summary.add(2, record("C.txt", textC(), order, Language::English, 3, {{"cat", 2}}));
    summary.add(0, record("A.txt", textA(), order, Language::Russian, 4,
                          {{"кот", 9}, {"ел", 1}, {"а", 2}}));
    summary.add(1, record("B.txt", textB(), order, Language::Russian, 4, {{"ел", 2}}));
    const auto table = rows(summary);
    EXPECT_EQ(table.at("word"), (std::vector<std::string>{"total", "texts", "per_million", "dp",
                                                          "expected", "ratio", "q"}));

    const auto expectedOf = [&](const char* word) {
        double sum = 0;
        for (const auto* text : {&textA(), &textB(), &textC()}) {
            sum += embed::testing::literalExpectedCount(*text, cp(word), order);
        }
        return sum;
    };
    // «кот» was found in A only, and B's expectation counts all the same.
    EXPECT_GT(expectedOf("кот"),
              embed::testing::literalExpectedCount(textA(), cp("кот"), order) * 1.2);

    // No word here overlaps itself: Poisson tails; the family is 4 Russian words
    // and 3 English ones, and the single letter is not tested.
    const struct {
        const char* word;
        int total;
    } tested[] = {{"кот", 9}, {"ел", 3}, {"cat", 2}};
    std::vector<std::pair<double, const char*>> byP;
    for (const auto& word : tested) {
        byP.emplace_back(poissonTail(expectedOf(word.word), word.total), word.word);
    }
    std::sort(byP.begin(), byP.end());
    std::map<std::string, double> q;
    double least = 1;
    for (auto rank = byP.size(); rank >= 1; --rank) {
        least = std::min(least, 7 * byP[rank - 1].first / static_cast<double>(rank));
        q[byP[rank - 1].second] = least;
    }
    EXPECT_LT(q.at("кот"), 0.01);
    for (const auto& word : tested) {
        const auto& row = table.at(word.word);
        ASSERT_EQ(row.size(), 7U) << word.word;
        EXPECT_EQ(row[4], embed::fourDigits(expectedOf(word.word))) << word.word;
        EXPECT_EQ(row[5], embed::fourDigits(word.total / expectedOf(word.word))) << word.word;
        EXPECT_EQ(row[6], embed::threeDigitsScientific(q.at(word.word))) << word.word;
    }
    EXPECT_EQ(table.at("а")[4], embed::fourDigits(expectedOf("а")));
    EXPECT_EQ(table.at("а")[6], "-");
    EXPECT_EQ(summary.withheldColumns(), std::nullopt);
}

TEST(PooledSignificance, AnOverlappingWordsClumpsComeFromEveryText) {
    const int order = 1;
    const auto word = cp("тот");  // overlaps itself at a shift of 2
    const auto a = fitted(textA(), order);
    const auto b = fitted(textB(), order);
    const std::vector<const embed::TextModel*> texts{&a, &b};
    const auto pooled = pooledExpectation(texts, word);

    double mean = 0;
    double clumpRate = 0;
    std::vector<double> clumps;
    for (const auto* text : {&textA(), &textB()}) {
        const double mu = embed::testing::literalExpectedCount(*text, word, order);
        const double theta = embed::clumpParameter(embed::LetterModel(text->letters, order), word);
        mean += mu;
        clumpRate += mu * (1 - theta);
        clumps.push_back(theta);
    }
    ASSERT_GT(std::abs(clumps[0] - clumps[1]), 0.01);  // the weighting matters
    EXPECT_NEAR(pooled.expected, mean, 1e-12);
    EXPECT_NEAR(pooled.clump, 1 - clumpRate / mean, 1e-12);

    // Its one test, against the geometric-Poisson tail of the pooled count.
    EmbedSummary summary(order);
    summary.add(0, record("A.txt", textA(), order, Language::Russian, 1, {{"тот", 5}}));
    summary.add(1, record("B.txt", textB(), order, Language::Russian, 1, {{"тот", 1}}));
    EXPECT_EQ(rows(summary).at("тот")[6],
              embed::threeDigitsScientific(
                  embed::geometricPoissonUpperTail(mean, 1 - clumpRate / mean, 6)));
}

// And a stop request ends the work with no columns.
TEST(PooledSignificance, TheColumnsDoNotDependOnTheNumberOfWorkers) {
    PooledSignificance significance(1);
    significance.addText(1, fitted(textB(), 1), Language::Russian, 10);
    significance.addText(0, fitted(textA(), 1), Language::Russian, 10);
    std::vector<std::string> substrings;
    for (std::size_t length = 1; length <= 4; ++length) {
        for (std::size_t at = 0; at + length <= textA().letters.size(); at += 2) {
            substrings.push_back(textA().letters.substr(at, length));
        }
    }
    std::vector<std::pair<std::string_view, std::uint64_t>> words;
    for (const auto& word : substrings) {
        words.emplace_back(word, 1 + words.size() % 4);
    }
    const auto alone = *significance.columns(words, 1, [] { return false; });
    const auto shared = *significance.columns(words, 3);
    ASSERT_EQ(alone.size(), words.size());
    ASSERT_EQ(shared.size(), words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(alone[i].expected, shared[i].expected) << i;
        EXPECT_EQ(alone[i].ratio, shared[i].ratio) << i;
        EXPECT_EQ(alone[i].q, shared[i].q) << i;
        EXPECT_EQ(alone[i].q.has_value(), words[i].first.size() > 2) << i;
    }
    EXPECT_EQ(significance.columns(words, 2, [] { return true; }), std::nullopt);

    EmbedSummary summary(1);
    summary.add(0, record("A.txt", textA(), 1, Language::Russian, 4, {{"кот", 3}}));
    EXPECT_FALSE(summary.prepare([] { return true; }));
    EXPECT_TRUE(summary.prepare([] { return false; }));
}

TEST(PooledSignificance, ColumnsAreWithheldOnlyWhenNothingCanBeTested) {
    const auto refusal = [](std::vector<std::tuple<bool, Language, std::size_t>> texts) {
        PooledSignificance significance(2);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto& [modelled, language, family] = texts[i];
            significance.addText(i, modelled ? embed::TextModel::fit(textA(), 2) : std::nullopt,
                                 language, family);
        }
        return significance.refusal();
    };
    using embed::SignificanceRefusal;
    EXPECT_EQ(refusal({}), std::nullopt);
    EXPECT_EQ(refusal({{false, Language::Russian, 5}}), SignificanceRefusal::TextTooShort);
    // A text too short for the model leaves the others to be tested.
    EXPECT_EQ(refusal({{false, Language::Russian, 5}, {true, Language::Russian, 5}}), std::nullopt);
    EXPECT_EQ(refusal({{true, Language::Russian, 0}}), SignificanceRefusal::NothingTestable);
    EXPECT_EQ(refusal({{true, Language::Russian, 0}, {true, Language::English, 2}}), std::nullopt);

    // Withheld, the summary is the plain one and says why.
    EmbedSummary summary(2);
    summary.add(0, record("A.txt", textA(), 2, Language::Russian, 0, {{"кот", 3}}));
    EXPECT_EQ(summary.withheldColumns(),
              embed::refusalMessage(SignificanceRefusal::NothingTestable, 2));
    EXPECT_EQ(rows(summary).at("кот").size(), 4U);
}

}  // namespace
}  // namespace undertext::corpus
