#include <gtest/gtest.h>

#include "create/core/analysis_run.h"
#include "create/core/variant_actions.h"
#include "create/core/variant_composer.h"
#include "create_test_support.h"
#include "recording_effects.h"
#include "tests/support/temp_folder.h"

namespace undertext::create::testing {
namespace {

constexpr float kOnly = 0.5f;  // the one position of a draw over 1 entry

TEST(ComposeCandidate, CatTopTakesModeZeroOrModeThreeOverwritingThePreviousPosition) {
    const auto analysis = analyse({"orca", "tart", "opal"}, "cat top");
    ScriptedRandom random;
    // Position 0: mode over 1, transition, left word, right word. Position 1: mode
    // 1 of 2 (mode 0), then its transition, left and right word.
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(1, 2), kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(analysis, random), "orca tart tart opal ");
    // Mode 3: the shared entry, the right word of 'top', the left word of 'cat'.
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(2, 2), kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(analysis, random), "orca  tart opal ");
    EXPECT_EQ(random.pending(), 0u);
}

TEST(ComposeCandidate, RefrainIsWrittenTwice) {
    const auto analysis = analyse({"tic", "atom", "orca", "toad", "attic", "scat"}, "cat");
    ScriptedRandom random;
    random.queue({ScriptedRandom::pick(2, 3), kOnly});
    EXPECT_EQ(composeCandidate(analysis, random), "attic attic ");
}

TEST(ComposeCandidate, AfterACrossWordPositionOnlyOwnModesCountAndPositionOneRuleApplies) {
    // Hand-made: word 2 has no mode of its own, only Wp2W1, so after the
    // cross-word position 1 it draws over 0 modes and takes position 1.
    PhraseAnalysis analysis;
    analysis.dicWords = dictionary({"L0", "R0", "X1", "R1"});
    analysis.words = {"aa", "bb", "cc"};
    analysis.wordAnalyses.resize(3);
    auto& w0 = analysis.wordAnalyses[0];
    w0.w1List = {{0, 1}};
    w0.w2List = {{1, 1}};
    w0.w1Range = w0.w2Range = {{}, {0, 1}};
    w0.keptTransitions = {1};
    w0.modeCount = w0.singleModeCount = 1;
    auto& w1 = analysis.wordAnalyses[1];
    w1.w1List = {{2, 1}};
    w1.w2List = {{3, 1}};
    w1.w1Range = w1.w2Range = {{}, {0, 1}};
    w1.keptTransitions = {1};
    w1.wp2W1List = {{2, 1, 1}};
    w1.modeList = {VariantMode::Transition, VariantMode::Wp2W1};
    w1.modeCount = 2;
    w1.singleModeCount = 1;
    auto& w2 = analysis.wordAnalyses[2];
    w2.w2List = {{0, 1}};
    w2.w1Range = {{}, {}};
    w2.w2Range = {{}, {0, 1}};
    w2.wp2W1List = {{3, 1, 1}};
    w2.modeList = {VariantMode::Wp2W1};
    w2.modeCount = 1;
    ScriptedRandom random;
    random.queue({kOnly, kOnly, kOnly, kOnly, ScriptedRandom::pick(2, 2), kOnly, kOnly, kOnly,
                  0.99f, kOnly, kOnly, kOnly});
    EXPECT_EQ(composeCandidate(analysis, random), "L0  X1  R1 L0 ");
    EXPECT_EQ(random.pending(), 0u);
}

TEST(VariantHistory, RingKeepsElevenAndStepsBack) {
    VariantHistory history;
    history.store("v1");
    EXPECT_EQ(history.stepBack(), "");
    EXPECT_EQ(history.index(), 0);
    EXPECT_EQ(history.stepBack(), "");
    EXPECT_EQ(history.index(), 10);
    history.clear();
    for (int i = 1; i <= 12; ++i) {
        history.store("v" + std::to_string(i));
    }
    EXPECT_EQ(history.slot(0), "v11");
    EXPECT_EQ(history.slot(1), "v12");
    for (int slot = 2; slot <= 10; ++slot) {
        EXPECT_EQ(history.slot(slot), "v" + std::to_string(slot));
    }
}

class NextVariant : public ::testing::Test {
  protected:
    NextVariant() {
        folder.write("COMMON_E.DIC", "tic\r\natom\r\norca\r\ntoad\r\nattic\r\nscat\r\n");
        request.phrase = "cat";
        request.language = Language::English;
        request.selectedModules = {"COMMON_E.DIC"};
        request.startFolder = folder.path();
    }

    std::vector<std::string> variants(CreateSession& session, int presses) {
        session.flags.consentGiven = true;
        std::vector<std::string> shown;
        for (int i = 0; i < presses; ++i) {
            shown.push_back(composeVariant(session, request, effects, job).value());
        }
        return shown;
    }

    undertext::testing::TempFolder folder;
    AnalysisRequest request;
    RecordingEffects effects;
    UnwatchedJob job;
};

TEST_F(NextVariant, TwoFreshStartsShowTheSameVariants) {
    CreateSession first;
    CreateSession second;
    const auto shown = variants(first, 6);
    EXPECT_EQ(shown, variants(second, 6));
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_TRUE(first.flags.phraseActive);
    EXPECT_EQ(showPreviousVariant(first), shown[4]);
}

TEST_F(NextVariant, MakesTwentyAttemptsAgainstTheRingThenRepeats) {
    request.phrase = "qq";
    auto owned = std::make_unique<ScriptedRandom>();
    auto& random = *owned;
    CreateSession session(std::move(owned));
    random.queue({0, 0, 0, 0});
    EXPECT_EQ(variants(session, 1), std::vector<std::string>{"qq  "});
    for (int i = 0; i < 20 * 4; ++i) {
        random.queue({0});
    }
    EXPECT_EQ(variants(session, 1), std::vector<std::string>{"qq  "});
    EXPECT_EQ(random.draws, 21 * 4);
    EXPECT_EQ(session.history.slot(2), "qq  ");
}

}  // namespace
}  // namespace undertext::create::testing
