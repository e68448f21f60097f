#include <gtest/gtest.h>

#include "create/core/variant_actions.h"
#include "testing/support/recording_job.h"
#include "testing/support/temp_folder.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

// A folder with one English module and a consenting session.
class CreateRun : public ::testing::Test {
  protected:
    CreateRun() {
        folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
        session.flags.consentGiven = true;
    }

    undertext::testing::TempFolder folder;
    CreateSession session;
    AnalysisRequest request{"cat top", Language::English, {"COMMON_E.DIC"}, folder.path()};
    RecordingEffects effects;
    UnwatchedJob job;

    std::string press(CreateSession& pressed) {
        pressed.flags.consentGiven = true;
        return composeVariant(pressed, request, effects, job).value();
    }
};

TEST_F(CreateRun, CompletesWithItsEffectsInOrder) {
    request.phrase = "  Cat,  top!";
    analysePhrase(session, request, effects, job);
    EXPECT_EQ(effects.log, (Strings{"buttons off", "focus", "phrase [cat top  ]", "progress 2",
                                    "progress 100", "buttons on"}));
    EXPECT_TRUE(session.flags.phraseAnalysed);
    EXPECT_FALSE(session.flags.stopRequested);
    EXPECT_TRUE(session.flags.phraseActive);
    EXPECT_EQ(session.normalisedPhrase, "cat top  ");
    EXPECT_EQ(session.analysis.words, (Strings{"cat", "top"}));
}

TEST_F(CreateRun, RefusalsShowTheirMessageAndLeaveStopRequested) {
    // Refuses after a completed run and a confirmed stop; gives the words left.
    const auto refuse = [&](bool consent, std::vector<std::string> modules, std::string phrase) {
        session.flags.consentGiven = true;
        analysePhrase(session, request, effects, job);
        confirmStop(session);
        effects.log.clear();
        session.flags.consentGiven = consent;
        const AnalysisRequest refused{std::move(phrase), Language::English, std::move(modules),
                                      folder.path()};
        EXPECT_EQ(composeVariant(session, refused, effects, job), std::nullopt);
        EXPECT_TRUE(session.flags.stopRequested);
        EXPECT_FALSE(session.flags.phraseAnalysed);
        return session.analysis.words.size();
    };
    EXPECT_EQ(refuse(false, {"COMMON_E.DIC"}, "other"), 2u);
    EXPECT_TRUE(effects.log.empty());
    EXPECT_EQ(refuse(true, {""}, "other"), 2u);  // the old analysis stays
    EXPECT_EQ(effects.log,
              (Strings{"buttons off", "focus", "message Выберите модули словарей.", "buttons on"}));
    EXPECT_FALSE(session.flags.phraseActive);
    EXPECT_EQ(refuse(true, {"COMMON_E.DIC"}, utf8ToCp1251("мама 123")), 0u);
    EXPECT_EQ(effects.log, (Strings{"buttons off", "focus", "phrase [ ]",
                                    "message В строке \"Исходный текст\" должен быть хотя бы "
                                    "один знак на выбранном языке.",
                                    "buttons on"}));
    EXPECT_TRUE(session.flags.phraseActive);
    EXPECT_EQ(refuse(true, {"GONE.DIC"}, "cat"), 0u);
    ASSERT_EQ(effects.log.size(), 5u);
    EXPECT_NE(effects.log[3].find("GONE.DIC"), std::string::npos);
}

TEST_F(CreateRun, EmptyModuleCompletesAndVariantsRepeatThePhrase) {
    folder.write("empty.dic", "");
    request.selectedModules = {"empty.dic"};
    EXPECT_EQ(composeVariant(session, request, effects, job), "cat  top  ");
    EXPECT_TRUE(session.flags.phraseAnalysed);
}

TEST_F(CreateRun, AStopMidRunOrBeforeTheResultArrivesComposesNothing) {
    // The transition search of both words makes 4 × 3 polls; the cross-word
    // search of 'top' follows. Stop in each of the two.
    for (const long at : {5L, 13L}) {
        CreateSession stopped;
        stopped.flags.consentGiven = true;
        RecordingEffects seen;
        undertext::testing::RecordingJob stop(at);
        EXPECT_EQ(composeVariant(stopped, request, seen, stop), std::nullopt);
        EXPECT_EQ(stop.stopPoints, at);
        EXPECT_EQ(seen.log.back(), "progress 2");
        EXPECT_TRUE(stopped.flags.stopRequested);
        EXPECT_EQ(stopped.history.index(), 0);
    }
    // A search that ended before the stop was confirmed is dropped.
    auto input = beginAnalysis(session, request, effects);
    ASSERT_TRUE(input);
    auto result = searchPhrase(*input, job);
    confirmStop(session);
    completeAnalysis(session, std::move(result), effects);
    EXPECT_FALSE(session.flags.phraseAnalysed);
    EXPECT_TRUE(session.flags.stopRequested);
    EXPECT_EQ(effects.log.back(), "progress 2");
}

TEST_F(CreateRun, TwoFreshStartsShowTheSameVariants) {
    CreateSession first;
    CreateSession second;
    Strings shown;
    for (int i = 0; i < 4; ++i) {
        shown.push_back(press(first));
        EXPECT_EQ(press(second), shown.back());
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_TRUE(first.flags.phraseActive);
    EXPECT_EQ(showPreviousVariant(first), shown[2]);
}

TEST_F(CreateRun, MakesTwentyAttemptsAgainstTheRingThenRepeats) {
    // 'qq' has no candidate: each attempt draws a mode, a transition, a left and a right word.
    request.phrase = "qq";
    auto owned = std::make_unique<ScriptedRandom>();
    auto& random = *owned;
    CreateSession scripted(std::move(owned));
    random.queue({0, 0, 0, 0});
    EXPECT_EQ(press(scripted), "qq  ");
    for (int i = 0; i < 20 * 4; ++i) {
        random.queue({0});
    }
    EXPECT_EQ(press(scripted), "qq  ");
    EXPECT_EQ(random.pending(), 0u);
    EXPECT_EQ(scripted.history.slot(2), "qq  ");
}

}  // namespace
}  // namespace undertext::create::testing
