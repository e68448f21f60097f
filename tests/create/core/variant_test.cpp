#include <gtest/gtest.h>

#include <algorithm>

#include "create/core/variant_composer.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

constexpr float kOnly = 0.5f;  // the one position of a draw over 1 entry

TEST(ComposeCandidate, DrawsTheModeThenItsWordsInOrder) {
    const auto catTop = analyse({"orca", "tart", "opal"}, "cat top");
    ScriptedRandom random;
    // Position 0: mode over 1, transition, left word, right word. Position 1: mode
    // 1 of 2 (mode 0), then its transition, left and right word.
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(1, 2), kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(catTop, random), "orca tart tart opal ");
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

// Hands out the same value for every draw.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(float value) : value_(value) {}
    float next() override { return value_; }

  private:
    float value_;
};

// A word with one candidate in every list, named by kind and word number: Li and
// Ri the left and right word of transition 1, Fi the refrain, Ei the embedded
// word, Xi Yi Zi Pi Qi the shared words of modes 3 to 7; all eight modes, the
// first three its own.
WordAnalysis everyKind(DicIndex i) {
    const auto at = [&](int kind) { return static_cast<DicIndex>(9 * i + kind); };
    WordAnalysis w;
    w.w1List = {{at(0), 1}};
    w.w2List = {{at(1), 1}};
    w.w1Range = w.w2Range = {{}, {0, 1}};
    w.keptTransitions = {1};
    w.rList = {at(2)};
    w.eList = {at(3)};
    w.wp2W1List = {{at(4), 1, 1}};
    w.rpW1List = {{at(5), 1}};
    w.epW1List = {{at(6), 1}};
    w.wp2RList = {{at(7), 1}};
    w.wp2EList = {{at(8), 1}};
    for (int mode = 0; mode < kModePositions; ++mode) {
        w.modeList[static_cast<std::size_t>(mode)] = static_cast<VariantMode>(mode);
    }
    w.modeCount = kModePositions;
    w.singleModeCount = 3;
    return w;
}

TEST(ComposeCandidate, EveryModeWritesItsWordsAndACrossWordModeRewritesThePreviousPosition) {
    PhraseAnalysis analysis;
    Strings dic;
    for (const char* word : {"0", "1", "2"}) {
        for (const char* kind : {"L", "R", "F", "E", "X", "Y", "Z", "P", "Q"}) {
            dic.push_back(kind + std::string(word));
        }
    }
    analysis.dicWords = dictionary(dic);
    analysis.words = {"w0", "w1", "w2"};
    analysis.wordAnalyses = {everyKind(0), everyKind(1), everyKind(2)};
    // Every draw takes r = (m + 1/2) / 8: the middle word draws mode m of its
    // eight; the first word draws one of its own three (Int(3r) + 1: 0, 0, 0, 1,
    // 1, 2, 2, 2); the last word draws mode m as well, but only one of its own
    // three after a cross-word mode (3 to 7). Every list holds one candidate.
    const char* expected[kModePositions] = {
        "L0 R0 L1 R1 L2 R2 ",  // transition, throughout
        "L0 R0 F1 F1 F2 F2 ",  // refrain
        "L0 R0 E1  E2  ",      // embedded
        "L0  X1 R1 F2 F2 ",    // Wp2W1: the previous word's left word; own modes next
        "F0  Y1 R1 F2 F2 ",    // RpW1: the previous word's refrain
        "  Z1 R1 E2  ",        // EpW1: the previous position emptied
        "L0  P1 P1 E2  ",      // Wp2R
        "L0  Q1  E2  ",        // Wp2E
    };
    for (int mode = 0; mode < kModePositions; ++mode) {
        FixedRandom random((static_cast<float>(mode) + 0.5f) / kModePositions);
        EXPECT_EQ(composeCandidate(analysis, random), expected[mode]) << "mode " << mode;
    }
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
