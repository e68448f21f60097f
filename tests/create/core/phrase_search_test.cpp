#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "testing/literal/phrase_search.h"
#include "testing/support/recording_job.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

TEST(PhraseSearch, CatFindsEveryKindOfCandidateInOrder) {
    const auto analysis = analyse({"tic", "atom", "orca", "toad", "attic", "scat"}, "Cat");
    const auto& cat = analysis.wordAnalyses.at(0);
    EXPECT_EQ(texts(analysis, cat.w1List), (Strings{"tic", "attic", "orca"}));
    EXPECT_EQ(cat.w1Range[2], (ListStretch{2, 3}));
    EXPECT_EQ(texts(analysis, cat.w2List), (Strings{"atom", "attic", "tic", "toad"}));
    EXPECT_EQ(cat.keptTransitions, (std::vector<Transition>{1, 2}));
    EXPECT_EQ(texts(analysis, cat.rList), Strings{"attic"});
    EXPECT_EQ(texts(analysis, cat.eList), Strings{"scat"});
    EXPECT_EQ(cat.modeCount, 3);
    EXPECT_EQ(cat.singleModeCount, 3);
    EXPECT_EQ(cat.modeAt(3), VariantMode::Embedded);
}

TEST(PhraseSearch, OneLetterWordIsCutAtItsLetterAndEmbedsInThreeLetters) {
    const auto analysis = analyse({"a", "ab", "ba", "aba", "bab", "abc", "xay"}, "a");
    const auto& a = analysis.wordAnalyses.at(0);
    EXPECT_EQ(texts(analysis, a.w1List), (Strings{"a", "ba", "aba"}));
    EXPECT_EQ(texts(analysis, a.w2List), (Strings{"a", "ab", "aba", "abc"}));
    EXPECT_EQ(texts(analysis, a.rList), (Strings{"a", "aba"}));
    EXPECT_EQ(texts(analysis, a.eList), (Strings{"aba", "bab", "abc", "xay"}));
}

TEST(PhraseSearch, MatchesTheLiteralSearchOnRandomDictionaries) {
    std::mt19937 random(7);
    // The dictionary has a letter that no phrase word has.
    const auto randomWord = [&](int minLength, int maxLength, std::size_t letters) {
        std::string word(std::uniform_int_distribution<int>(minLength, maxLength)(random), 'a');
        for (auto& c : word) {
            c = "abcd"[random() % letters];
        }
        return word;
    };
    for (int round = 0; round < 1000; ++round) {
        Strings dic;
        for (int i = std::uniform_int_distribution<int>(0, 60)(random); i > 0; --i) {
            // Repeats of earlier entries, and empty and one-letter words.
            dic.push_back(!dic.empty() && random() % 4 == 0 ? dic[random() % dic.size()]
                                                            : randomWord(0, 5, 4));
        }
        // Sorted, as the default modules are, neighbours share their first letters.
        if (round % 2 == 0) {
            std::sort(dic.begin(), dic.end());
        }
        std::string phrase;
        for (int w = std::uniform_int_distribution<int>(1, 6)(random); w > 0; --w) {
            phrase += randomWord(1, 4, 3) + " ";
        }
        const auto fast = analyse(dic, phrase);
        const auto slow = literalPhraseSearch(dic, fast.words);
        ASSERT_EQ(fast.wordAnalyses.size(), slow.size());
        for (std::size_t w = 0; w < slow.size(); ++w) {
            EXPECT_TRUE(analysisFields(fast.wordAnalyses[w]) == analysisFields(slow[w]))
                << "round " << round << " word " << w;
        }
    }
}

TEST(PhraseSearch, PollsEveryTestedEntryAndEveryOuterEntryAndStepsProgressByTwo) {
    // 97 entries: ProgressStep = 2 × 96 × 4 / 96 = 8 tested entries.
    Strings dic(97, "q");
    dic[0] = "xa";
    dic[1] = "ba";
    dic[2] = "bcb";
    dic[3] = "bc";
    dic[4] = "cb";
    const auto input = searchInput(dic, "ab bc");
    ASSERT_EQ(input.progressStep, 8);
    undertext::testing::RecordingJob job;
    const auto analysis = searchPhrase(input, job);
    ASSERT_TRUE(analysis);
    const auto& bc = analysis->wordAnalyses[1];
    const auto outer = static_cast<long>(3 * bc.w1List.size() + bc.rList.size() + bc.eList.size());
    EXPECT_GT(outer, 0);
    EXPECT_EQ(job.stopPoints, 2 * 97 + outer);
    // 194 tested entries: 24 updates, 2 to 48.
    std::vector<int> expected;
    for (int p = 2; p <= 48; p += 2) {
        expected.push_back(p);
    }
    EXPECT_EQ(job.progressValues, expected);
    // A stop at any stop point ends the search there, after the progress values of
    // the entries tested before it: a value every 8, none from the cross-word joins.
    for (long stopAt = 1; stopAt <= job.stopPoints; ++stopAt) {
        undertext::testing::RecordingJob stopped(stopAt);
        EXPECT_FALSE(searchPhrase(input, stopped));
        EXPECT_EQ(stopped.stopPoints, stopAt);
        const auto shown = static_cast<std::size_t>(std::min(stopAt - 1, 2L * 97) / 8);
        EXPECT_EQ(stopped.progressValues,
                  std::vector<int>(expected.begin(), expected.begin() + static_cast<long>(shown)))
            << "stop at " << stopAt;
    }
}

}  // namespace
}  // namespace undertext::create::testing
