#include <gtest/gtest.h>

#include "create/core/analysis_run.h"
#include "create/core/variant_actions.h"
#include "create_test_support.h"
#include "recording_effects.h"
#include "tests/support/temp_folder.h"

namespace undertext::create::testing {
namespace {

using Log = std::vector<std::string>;

// A folder with one English module and a consenting session.
class AnalysisRun : public ::testing::Test {
  protected:
    AnalysisRun() {
        folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
        session.flags.consentGiven = true;
        request.phrase = "cat top";
        request.language = Language::English;
        request.selectedModules = {"COMMON_E.DIC"};
        request.startFolder = folder.path();
    }

    undertext::testing::TempFolder folder;
    CreateSession session;
    AnalysisRequest request;
    RecordingEffects effects;
    UnwatchedJob job;
};

TEST_F(AnalysisRun, WithoutConsentDoesNothingAtAll) {
    session.flags.consentGiven = false;
    analysePhrase(session, request, effects, job);
    EXPECT_TRUE(effects.log.empty());
    EXPECT_EQ(composeVariant(session, request, effects, job), std::nullopt);
}

TEST_F(AnalysisRun, CompletesWithItsEffectsInOrder) {
    request.phrase = "  Cat,  top!";
    analysePhrase(session, request, effects, job);
    EXPECT_EQ(effects.log, (Log{"buttons off", "focus", "phrase [cat top  ]", "progress 2",
                                "progress 100", "buttons on"}));
    EXPECT_TRUE(session.flags.phraseAnalysed);
    EXPECT_FALSE(session.flags.stopRequested);
    EXPECT_TRUE(session.flags.phraseActive);
    EXPECT_EQ(session.normalisedPhrase, "cat top  ");
    EXPECT_EQ(session.analysis.words, (std::vector<std::string>{"cat", "top"}));
}

TEST_F(AnalysisRun, RefusesWithoutModuleAndKeepsThePreviousAnalysis) {
    analysePhrase(session, request, effects, job);
    session.flags.phraseAnalysed = false;
    effects.log.clear();
    request.selectedModules = {""};
    request.phrase = "other";
    EXPECT_EQ(composeVariant(session, request, effects, job), std::nullopt);
    EXPECT_EQ(effects.log,
              (Log{"buttons off", "focus", "message Выберите модули словарей.", "buttons on"}));
    EXPECT_TRUE(session.flags.stopRequested);
    EXPECT_FALSE(session.flags.phraseActive);
    EXPECT_EQ(session.analysis.words.size(), 2u);
}

TEST_F(AnalysisRun, RefusesAPhraseWithoutALetterOfTheLanguage) {
    request.phrase = utf8ToCp1251("мама 123");
    analysePhrase(session, request, effects, job);
    EXPECT_EQ(effects.log, (Log{"buttons off", "focus", "phrase [ ]",
                                "message В строке \"Исходный текст\" должен быть хотя бы один "
                                "знак на выбранном языке.",
                                "buttons on"}));
    EXPECT_TRUE(session.flags.stopRequested);
    EXPECT_TRUE(session.flags.phraseActive);
    EXPECT_FALSE(session.flags.phraseAnalysed);
}

TEST_F(AnalysisRun, RefusesAModuleThatCannotBeReadAndNamesIt) {
    request.selectedModules = {"GONE.DIC"};
    analysePhrase(session, request, effects, job);
    ASSERT_EQ(effects.log.size(), 5u);
    EXPECT_NE(effects.log[3].find("GONE.DIC"), std::string::npos);
    EXPECT_TRUE(session.flags.stopRequested);
}

TEST_F(AnalysisRun, EmptyModuleCompletesAndVariantsRepeatThePhrase) {
    folder.write("empty.dic", "");
    request.selectedModules = {"empty.dic"};
    EXPECT_EQ(composeVariant(session, request, effects, job), "cat  top  ");
    EXPECT_TRUE(session.flags.phraseAnalysed);
}

// Confirms the stop, as the stop button would, at the chosen stop point.
class StopAt final : public JobControl {
  public:
    StopAt(CreateSession& session, long at) : session_(session), at_(at) {}
    void progress(int) override {}
    bool stopPoint() override {
        if (++count == at_) {
            confirmStop(session_);
        }
        return session_.flags.stopRequested;
    }
    long count = 0;

  private:
    CreateSession& session_;
    long at_;
};

TEST_F(AnalysisRun, StopMidRunComposesNothing) {
    // The transition search of both words makes 4 × 3 polls; the cross-word
    // search of 'top' follows. Stop in each of the two.
    for (const long at : {5L, 13L}) {
        CreateSession stopped;
        stopped.flags.consentGiven = true;
        RecordingEffects seen;
        StopAt stop(stopped, at);
        EXPECT_EQ(composeVariant(stopped, request, seen, stop), std::nullopt);
        EXPECT_EQ(stop.count, at);
        EXPECT_EQ(seen.log.back(), "progress 2");
        EXPECT_TRUE(stopped.flags.stopRequested);
        EXPECT_FALSE(stopped.flags.phraseAnalysed);
        EXPECT_EQ(stopped.history.index(), 0);
    }
}

TEST_F(AnalysisRun, AResultArrivingAfterAConfirmedStopIsDropped) {
    auto input = beginAnalysis(session, request, effects);
    ASSERT_TRUE(input);
    auto result = searchPhrase(*input, job);
    confirmStop(session);
    completeAnalysis(session, std::move(result), effects);
    EXPECT_FALSE(session.flags.phraseAnalysed);
    EXPECT_TRUE(session.flags.stopRequested);
    EXPECT_EQ(effects.log.back(), "progress 2");
}

}  // namespace
}  // namespace undertext::create::testing
