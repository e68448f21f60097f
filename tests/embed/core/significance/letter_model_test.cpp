#include "embed/core/significance/letter_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/self_overlap.h"
#include "embed/core/significance/text_model.h"
#include "testing/literal/embed_search.h"
#include "testing/literal/significance.h"
#include "testing/support/letter_chain.h"

namespace undertext::embed {
namespace {

using testing::cp;

TEST(LetterModel, WordProbabilitiesWorkedByHand) {
    // «абаабб»: а and б three times each; after а: б, а, б; after б: а, б.
    // Two-letter strings at five places: аб, ба, аа, аб, бб.
    const auto letters = cp("абаабб");
    const struct {
        int order;
        const char* word;
        double probability;
    } cases[] = {
        {0, "аб", 0.5 * 0.5},
        {0, "в", 0.0},
        {1, "аб", 0.5 * 2.0 / 3},
        {1, "баа", 0.5 * 0.5 * 1.0 / 3},
        {1, "бв", 0.0},
        {2, "аба", 2.0 / 5 * 1.0 / 2},  // P(аб) P(а | аб)
        {2, "абба", 0.0},               // бб is never followed
        {2, "а", 3.0 / 5},              // the share of the pairs that begin with а
        {2, "", 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(LetterModel(letters, c.order).wordProbability(cp(c.word)), c.probability, 1e-15)
            << "order " << c.order << ": " << c.word;
    }
}

TEST(CountablePositions, LeaveOutTheStartsOfTheSlotsOfTheWordsLength) {
    // «ab|cde|f|gh» and an empty slot: 8 letters.
    PreparedText text;
    text.letters = "abcdefgh";
    text.wordEnd = {0, 2, 5, 5, 6, 8};
    const CountablePositions positions(text);
    EXPECT_EQ(positions.ofLength(1), 8u - 1);  // the slot «f»
    EXPECT_EQ(positions.ofLength(2), 7u - 2);  // «ab» and «gh»
    EXPECT_EQ(positions.ofLength(3), 6u - 1);
    EXPECT_EQ(positions.ofLength(4), 5u);
    EXPECT_EQ(positions.ofLength(8), 1u);
    EXPECT_EQ(positions.ofLength(9), 0u);
    EXPECT_EQ(positions.ofLength(0), 0u);
}

// Few letters, so that strings recur, some never follow others and words fill
// whole slots; empty slots too.
PreparedText randomText(std::mt19937& random) {
    std::string letters;
    for (auto length = 2 + random() % 40; length > 0; --length) {
        letters += cp("аабвв").substr(random() % 5, 1);
    }
    std::vector<std::uint32_t> slotLengths;
    for (int i = 0; i < 12; ++i) {
        slotLengths.push_back(static_cast<std::uint32_t>(random() % 5));
    }
    slotLengths.push_back(1);
    return undertext::testing::slotted(letters, slotLengths, random() % slotLengths.size());
}

std::vector<std::string> randomWords(std::mt19937& random, const PreparedText& text) {
    std::vector<std::string> words;
    for (int i = 0; i < 12; ++i) {
        if (i % 3 == 0) {
            words.push_back(text.letters.substr(random() % text.letters.size(), 1 + random() % 6));
        } else if (i % 3 == 1) {
            words.emplace_back(text.textWord(1 + random() % text.wordCount()));
        } else {
            std::string word;
            for (auto length = 1 + random() % 5; length > 0; --length) {
                word += cp("абвг").substr(random() % 4, 1);
            }
            words.push_back(word);
        }
    }
    return words;
}

// Also through a TextModel fitted on a copy of the text that is gone by then: the
// model keeps all it needs.
TEST(ExpectedCount, EqualsTheLiteralSumOverEveryCountablePosition) {
    std::mt19937 random(25);
    for (int round = 0; round < 400; ++round) {
        const auto text = randomText(random);
        for (int order = 0; order <= 2; ++order) {
            const LetterModel model(text.letters, order);
            const CountablePositions positions(text);
            const auto kept = [&] {
                const auto copy = std::make_unique<PreparedText>(text);
                return TextModel::fit(*copy, order);
            }();
            ASSERT_EQ(kept.has_value(),
                      text.letterCount() >= static_cast<std::uint32_t>(order) + 2);
            for (const auto& word : randomWords(random, text)) {
                if (word.empty()) {
                    continue;
                }
                const double literal = testing::literalExpectedCount(text, word, order);
                const auto tolerance = 1e-12 * std::max(1.0, literal);
                EXPECT_NEAR(expectedCount(model, positions, word), literal, tolerance)
                    << "round " << round << ", order " << order << ", word " << cp1251ToUtf8(word)
                    << " in " << cp1251ToUtf8(text.letters);
                if (kept) {
                    EXPECT_NEAR(kept->expectedCount(word), literal, tolerance);
                    EXPECT_EQ(kept->clumpParameter(word), clumpParameter(model, word));
                }
            }
        }
    }
}

}  // namespace
}  // namespace undertext::embed
