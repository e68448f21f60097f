#include <gtest/gtest.h>

#include <algorithm>

#include "create/core/variant_composer.h"
#include "create_test_support.h"

namespace undertext::create::testing {
namespace {

constexpr float kOnly = 0.5f;  // the one position of a draw over 1 entry

TEST(ComposeCandidate, DrawsTheModesWordsInOrderAndModeThreeOverwritesThePreviousPosition) {
    const auto catTop = analyse({"orca", "tart", "opal"}, "cat top");
    ScriptedRandom random;
    // Position 0: mode over 1, transition, left word, right word. Position 1: mode
    // 1 of 2 (mode 0), then its transition, left and right word.
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(1, 2), kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(catTop, random), "orca tart tart opal ");
    // Mode 3: the shared entry, the right word of 'top', the left word of 'cat'.
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(2, 2), kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(catTop, random), "orca  tart opal ");
    // Mode 1 of 'cat' among tic, atom, orca, toad, attic, scat: the refrain twice.
    random.queue({ScriptedRandom::pick(2, 3), kOnly});
    EXPECT_EQ(
        composeCandidate(analyse({"tic", "atom", "orca", "toad", "attic", "scat"}, "cat"), random),
        "attic attic ");
    EXPECT_EQ(random.pending(), 0u);
}

// A word whose transition 1 has the left word `left` (none when negative) and the right word
// `right`.
WordAnalysis handMade(DicIndex left, DicIndex right, std::vector<VariantMode> modes, int ownModes) {
    WordAnalysis w;
    if (left >= 0) {
        w.w1List = {{left, 1}};
        w.keptTransitions = {1};
    }
    w.w2List = {{right, 1}};
    w.w1Range = {{}, {0, static_cast<std::int32_t>(w.w1List.size())}};
    w.w2Range = {{}, {0, 1}};
    std::ranges::copy(modes, w.modeList.begin());
    w.modeCount = static_cast<int>(modes.size());
    w.singleModeCount = ownModes;
    return w;
}

TEST(ComposeCandidate, AfterACrossWordPositionOnlyOwnModesCountAndPositionOneRuleApplies) {
    // Word 2 has no mode of its own, only Wp2W1: after the cross-word position 1
    // it draws over 0 modes and takes position 1, overwriting position 1 in turn.
    PhraseAnalysis analysis;
    analysis.dicWords = dictionary({"L0", "R0", "X1", "R1"});
    analysis.words = {"aa", "bb", "cc"};
    analysis.wordAnalyses = {handMade(0, 1, {VariantMode::Transition}, 1),
                             handMade(2, 3, {VariantMode::Transition, VariantMode::Wp2W1}, 1),
                             handMade(-1, 0, {VariantMode::Wp2W1}, 0)};
    analysis.wordAnalyses[1].wp2W1List = {{2, 1, 1}};
    analysis.wordAnalyses[2].wp2W1List = {{3, 1, 1}};
    ScriptedRandom random;
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(2, 2), kOnly, kOnly, kOnly,
                  0.99f, kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(analysis, random), "L0  X1  R1 L0 ");
    EXPECT_EQ(random.pending(), 0u);
}

TEST(VariantHistory, TwelveVariantsWrapAndTheWalkBackGoesFromZeroToTen) {
    VariantHistory history;
    for (int i = 1; i <= 12; ++i) {
        history.store("v" + std::to_string(i));
    }
    std::string slots;
    for (int slot = 0; slot < VariantHistory::kSlots; ++slot) {
        slots += history.slot(slot) + " ";
    }
    EXPECT_EQ(slots, "v11 v12 v2 v3 v4 v5 v6 v7 v8 v9 v10 ");
    EXPECT_EQ(history.stepBack(), "v11");
    EXPECT_EQ(history.stepBack(), "v10");
}

}  // namespace
}  // namespace undertext::create::testing
