// A quick calibration: texts drawn from a letter chain are assessed under the
// chain refitted on each of them, as a run would. Under that null hypothesis the
// randomised p-values must be uniform, clumping words included, and discoveries
// rare; a word planted at five times its rate must be found. (bench/
// significance_calibration runs the full version on Russian text.)
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "embed/core/embedded_search.h"
#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/letter_model.h"
#include "embed/core/significance/self_overlap.h"
#include "embed/core/significance/significance.h"
#include "testing/literal/embed_search.h"
#include "testing/support/letter_chain.h"
#include "testing/support/uniformity.h"

namespace undertext::embed {
namespace {

using testing::cp;
using undertext::testing::distanceFromUniform;
using undertext::testing::shareAtMost;

constexpr int kTexts = 50;
constexpr std::size_t kLetters = 4000;

const std::string& alphabet() {
    static const std::string letters = cp("абвг");
    return letters;
}

// The chain that the texts come from: order 1 fitted on a long stream drawn
// from uneven transitions.
LetterModel sourceModel() {
    const double transitions[4][4] = {
        {0.10, 0.40, 0.30, 0.20},
        {0.50, 0.10, 0.20, 0.20},
        {0.30, 0.30, 0.10, 0.30},
        {0.10, 0.10, 0.20, 0.60},
    };
    std::mt19937 random(1);
    std::string letters;
    std::size_t letter = 0;
    for (int i = 0; i < 200000; ++i) {
        std::discrete_distribution<std::size_t> next(std::begin(transitions[letter]),
                                                     std::end(transitions[letter]));
        letter = next(random);
        letters += alphabet()[letter];
    }
    return LetterModel(letters, 1);
}

// Every word of three and four letters: 320, many of them overlapping themselves.
std::vector<std::string> allWords() {
    std::vector<std::string> words;
    for (const std::size_t length : {3, 4}) {
        std::size_t count = 1;
        for (std::size_t i = 0; i < length; ++i) {
            count *= alphabet().size();
        }
        for (std::size_t n = 0; n < count; ++n) {
            std::string word;
            for (auto rest = n, i = std::size_t{0}; i < length; ++i, rest /= alphabet().size()) {
                word += alphabet()[rest % alphabet().size()];
            }
            words.push_back(word);
        }
    }
    return words;
}

PreparedText drawText(undertext::testing::LetterChain& chain, std::mt19937& random) {
    static const std::vector<std::uint32_t> slotLengths = {3, 1, 5, 4, 2, 7, 4, 6, 3, 2, 4};
    return undertext::testing::slotted(chain.draw(kLetters, random), slotLengths,
                                       random() % slotLengths.size());
}

// Randomised p-values, P(X > x) + V * P(X = x) with V uniform: exactly uniform
// when X has the assumed law.
struct RandomisedPValues {
    std::vector<double> plain;     // words that cannot overlap themselves
    std::vector<double> clumping;  // words that can, with the clump correction
    // Words whose clump parameter is at least 0.3, with the correction and under
    // the plain Poisson tail.
    std::vector<double> strong, strongUncorrected;
};

double randomised(double atLeast, double above, std::mt19937& random) {
    return above + std::uniform_real_distribution<double>(0, 1)(random) * (atLeast - above);
}

// The p-values of every word in texts drawn from the source chain, with the
// expectations of the source chain itself or of the chain refitted on each text.
RandomisedPValues chainTextPValues(bool refitted) {
    const auto words = allWords();
    const auto dicWords = testing::dicWordsOf(words);
    const auto source = sourceModel();
    undertext::testing::LetterChain chain(source, alphabet());
    std::mt19937 random(2);
    RandomisedPValues values;
    for (int t = 0; t < kTexts; ++t) {
        const auto text = drawText(chain, random);
        std::map<std::string, std::int64_t> observed;
        for (const auto& word : EmbeddedSearch(text, dicWords).embeddedWords()) {
            observed[word.word] = word.count;
        }
        const LetterModel fitted(text.letters, 1);
        const auto& model = refitted ? fitted : source;
        const CountablePositions positions(text);
        for (const auto& word : words) {
            const double expected = expectedCount(model, positions, word);
            const double clump = clumpParameter(model, word);
            const auto count = observed[word];
            const double p = geometricPoissonUpperTail(expected, clump, count);
            const double corrected =
                randomised(p, geometricPoissonUpperTail(expected, clump, count + 1), random);
            (clump > 0 ? values.clumping : values.plain).push_back(corrected);
            if (clump >= 0.3) {
                values.strong.push_back(corrected);
                values.strongUncorrected.push_back(randomised(poissonUpperTail(expected, count),
                                                              poissonUpperTail(expected, count + 1),
                                                              random));
            }
        }
    }
    return values;
}

// Under the chain that made the texts the tails are right: about 11000 plain and
// 4600 clumping values (dependent within a text). Runs of г make «ггг» and
// «гггг» clump strongly: the plain Poisson tail would find them far too often.
TEST(Calibration, UnderTheTextsOwnChainPValuesAreUniform) {
    const auto values = chainTextPValues(false);
    EXPECT_LT(distanceFromUniform(values.plain), 0.02);
    EXPECT_LT(distanceFromUniform(values.clumping), 0.025);
    for (const double alpha : {0.01, 0.05, 0.1}) {
        EXPECT_NEAR(shareAtMost(values.plain, alpha), alpha, alpha / 4) << alpha;
        EXPECT_NEAR(shareAtMost(values.clumping, alpha), alpha, alpha / 2) << alpha;
    }
    ASSERT_EQ(values.strong.size(), 2u * kTexts);
    EXPECT_LE(shareAtMost(values.strong, 0.05), 0.05);
    EXPECT_GE(shareAtMost(values.strongUncorrected, 0.05), 0.1);
}

// Refitted on each text, as a run does, the model follows the text's own
// fluctuations: the test turns conservative (never liberal), and a whole run
// rarely makes a discovery.
TEST(Calibration, UnderTheRefittedChainTheTestIsConservative) {
    const auto values = chainTextPValues(true);
    for (const double alpha : {0.01, 0.05, 0.1}) {
        for (const auto* group : {&values.plain, &values.clumping}) {
            EXPECT_LE(shareAtMost(*group, alpha), alpha * 1.1) << alpha;
            EXPECT_GE(shareAtMost(*group, alpha), alpha / 4) << alpha;
        }
    }
    const auto words = allWords();
    const auto dicWords = testing::dicWordsOf(words);
    undertext::testing::LetterChain chain(sourceModel(), alphabet());
    std::mt19937 random(4);
    int textsWithDiscovery = 0;
    for (int t = 0; t < kTexts; ++t) {
        const auto text = drawText(chain, random);
        const auto outcome = assessSignificance(
            text, dicWords, EmbeddedSearch(text, dicWords).embeddedWords(), Language::Russian, 1);
        ASSERT_FALSE(outcome.refusal);
        textsWithDiscovery += !outcome.table.rows.empty() && outcome.table.rows.front().q < 0.05;
    }
    EXPECT_LE(textsWithDiscovery, 6);  // 5 % of 50 is 2.5
}

TEST(Calibration, AWordPlantedAtFiveTimesItsRateIsFound) {
    const auto words = allWords();
    const auto dicWords = testing::dicWordsOf(words);
    const auto source = sourceModel();
    undertext::testing::LetterChain chain(source, alphabet());
    // «бавг» cannot overlap itself; about 12 expected in 4000 letters.
    const auto planted = cp("бавг");
    const double rate = source.wordProbability(planted);
    std::mt19937 random(3);
    int found = 0;
    for (int t = 0; t < kTexts; ++t) {
        auto text = drawText(chain, random);
        const auto extra = static_cast<int>(4 * rate * kLetters + 0.5);
        for (int i = 0; i < extra; ++i) {
            text.letters.replace(random() % (kLetters - planted.size()), planted.size(), planted);
        }
        const auto outcome = assessSignificance(
            text, dicWords, EmbeddedSearch(text, dicWords).embeddedWords(), Language::Russian, 1);
        ASSERT_FALSE(outcome.refusal);
        const auto& rows = outcome.table.rows;
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const SignificanceRow& r) { return r.word == planted; });
        found += row != rows.end() && row->q < 0.05;
    }
    EXPECT_GE(found, kTexts * 8 / 10);
}

}  // namespace
}  // namespace undertext::embed
