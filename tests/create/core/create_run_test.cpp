#include "create/core/create_run.h"

#include <gtest/gtest.h>

#include "create/core/variant_actions.h"
#include "testing/support/recording_job.h"
#include "testing/support/temp_folder.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

// A folder with one English module and a consenting session; runs go as the
// window makes them: begun in the session, the job, finished in the session.
class CreateRun : public ::testing::Test {
  protected:
    CreateRun() {
        folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
        session.flags.consentGiven = true;
    }

    // A whole run in the session; its refusal, if any.
    Status run(CreateSession& running, CreateRequest asked, CreateEffects& seen,
               JobControl& control) {
        const auto begun = beginCreateRun(running, asked, seen);
        finishCreateRun(running,
                        begun ? createJob(asked, control) : CreateOutcome::refused(begun.error()));
        return begun;
    }
    Status run(CreateRequest asked) { return run(session, std::move(asked), effects, job); }

    // The next-variant button: a run first while the phrase is not analysed.
    std::optional<std::string> press(CreateSession& pressed) {
        switch (startNextVariant(pressed)) {
            case NextVariantStart::Nothing:
                return std::nullopt;
            case NextVariantStart::AnalyseFirst:
                run(pressed, request, effects, job);
                break;
            case NextVariantStart::Compose:
                break;
        }
        return finishNextVariant(pressed);
    }

    undertext::testing::TempFolder folder;
    CreateSession session;
    CreateRequest request{"cat top", Language::English, {"COMMON_E.DIC"}, folder.path(), {}};
    RecordingEffects effects;
    UnwatchedJob job;
};

TEST_F(CreateRun, CompletesWithItsEffectsInOrder) {
    request.phrase = "  Cat,  top!";
    undertext::testing::RecordingJob recorded;
    EXPECT_TRUE(run(session, request, effects, recorded).ok());
    EXPECT_EQ(effects.log, (Strings{"phrase [cat top  ]", "progress 2"}));
    EXPECT_EQ(recorded.progressValues.back(), 100);
    EXPECT_TRUE(session.flags.phraseAnalysed);
    EXPECT_FALSE(session.flags.stopRequested);
    EXPECT_TRUE(session.flags.phraseActive);
    EXPECT_EQ(session.normalisedPhrase, "cat top  ");
    EXPECT_EQ(session.analysis.words, (Strings{"cat", "top"}));
}

TEST_F(CreateRun, RefusalsComeBackWithTheirMessageAndLeaveStopRequested) {
    // Refuses after a completed run and a confirmed stop; gives the words left.
    const auto refuse = [&](std::vector<std::string> modules, std::string phrase) {
        run(request);
        confirmStop(session);
        effects.log.clear();
        const auto refusal =
            run({std::move(phrase), Language::English, std::move(modules), folder.path(), {}});
        EXPECT_FALSE(refusal.ok());
        EXPECT_TRUE(session.flags.stopRequested);
        EXPECT_FALSE(session.flags.phraseAnalysed);
        return std::pair{refusal.error(), session.analysis.words.size()};
    };
    // The old analysis stays when no module is selected, and the phrase box too.
    EXPECT_EQ(refuse({""}, "other"), std::pair(std::string("Выберите модули словарей."), 2ul));
    EXPECT_TRUE(effects.log.empty());
    EXPECT_FALSE(session.flags.phraseActive);
    EXPECT_EQ(refuse({"COMMON_E.DIC"}, utf8ToCp1251("мама 123")),
              std::pair(std::string("В строке \"Исходный текст\" должен быть хотя бы "
                                    "один знак на выбранном языке."),
                        0ul));
    EXPECT_EQ(effects.log, Strings{"phrase [ ]"});
    EXPECT_TRUE(session.flags.phraseActive);
    const auto [gone, words] = refuse({"GONE.DIC"}, "cat");
    EXPECT_NE(gone.find("GONE.DIC"), std::string::npos);
    EXPECT_EQ(words, 0u);
    // Without consent the button does nothing at all.
    session.flags.consentGiven = false;
    effects.log.clear();
    EXPECT_EQ(press(session), std::nullopt);
    EXPECT_TRUE(effects.log.empty());
}

TEST_F(CreateRun, EmptyModuleCompletesAndVariantsRepeatThePhrase) {
    folder.write("empty.dic", "");
    request.selectedModules = {"empty.dic"};
    EXPECT_EQ(press(session), "cat  top  ");
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
        run(stopped, request, seen, stop);
        EXPECT_EQ(finishNextVariant(stopped), std::nullopt);
        EXPECT_EQ(stop.stopPoints, at);
        EXPECT_EQ(seen.log.back(), "progress 2");
        EXPECT_TRUE(stopped.flags.stopRequested);
        EXPECT_EQ(stopped.history.index(), 0);
    }
    // A search that ended before the stop was confirmed is dropped.
    auto prepared = request;
    ASSERT_TRUE(beginCreateRun(session, prepared, effects).ok());
    auto outcome = createJob(prepared, job);
    ASSERT_EQ(outcome.ending, JobEnding::Completed);
    confirmStop(session);
    finishCreateRun(session, std::move(outcome));
    EXPECT_FALSE(session.flags.phraseAnalysed);
    EXPECT_TRUE(session.flags.stopRequested);
    EXPECT_TRUE(session.analysis.words.empty());
}

TEST_F(CreateRun, TwoFreshStartsShowTheSameVariants) {
    CreateSession first;
    CreateSession second;
    first.flags.consentGiven = second.flags.consentGiven = true;
    Strings shown;
    for (int i = 0; i < 4; ++i) {
        shown.push_back(press(first).value());
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
    scripted.flags.consentGiven = true;
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
