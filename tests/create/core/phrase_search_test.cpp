#include <gtest/gtest.h>

#include <random>

#include "common/core/codepage.h"
#include "create_test_support.h"
#include "search_oracle.h"
#include "tests/support/recording_job.h"

namespace undertext::create::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(PhraseWords, SplitsOnEveryNonLetterOfTheLanguage) {
    EXPECT_EQ(splitPhrase("Hello, world!!", Language::English).words, (Strings{"hello", "world"}));
    const auto russian = splitPhrase(utf8ToCp1251("  Мир  "), Language::Russian);
    EXPECT_EQ(russian.words, Strings{utf8ToCp1251("мир")});
    EXPECT_EQ(russian.letterCount, 3);
    EXPECT_TRUE(splitPhrase("only latin", Language::Russian).words.empty());
    EXPECT_EQ(splitPhrase(utf8ToCp1251("ёлка"), Language::Russian).words,
              Strings{utf8ToCp1251("лка")});
    EXPECT_EQ(normalisedPhrase({"cat", "top"}), "cat top  ");
    EXPECT_EQ(normalisedPhrase({}), " ");
}

TEST(PhraseSearch, CatFindsEveryKindOfCandidateInOrder) {
    const auto analysis = analyse({"tic", "atom", "orca", "toad", "attic", "scat"}, "Cat");
    const auto& cat = analysis.wordAnalyses.at(0);
    EXPECT_EQ(texts(analysis, cat.w1List), (Strings{"tic", "attic", "orca"}));
    EXPECT_EQ(cat.w1List[2].transition, 2);
    EXPECT_EQ(cat.w1Range[1], (ListStretch{0, 2}));
    EXPECT_EQ(cat.w1Range[2], (ListStretch{2, 3}));
    EXPECT_EQ(texts(analysis, cat.w2List), (Strings{"atom", "attic", "tic", "toad"}));
    EXPECT_EQ(cat.w2Range[1], (ListStretch{0, 2}));
    EXPECT_EQ(cat.w2Range[2], (ListStretch{2, 4}));
    EXPECT_EQ(cat.keptTransitions, (std::vector<Transition>{1, 2}));
    EXPECT_EQ(texts(analysis, cat.rList), Strings{"attic"});
    EXPECT_EQ(texts(analysis, cat.eList), Strings{"scat"});
    EXPECT_EQ(cat.modeCount, 3);
    EXPECT_EQ(cat.singleModeCount, 3);
    EXPECT_EQ(cat.modeAt(3), VariantMode::Embedded);
}

TEST(PhraseSearch, CatTopDropsTransitionsAndSharesTart) {
    const auto analysis = analyse({"orca", "tart", "opal"}, "cat top");
    const auto& cat = analysis.wordAnalyses.at(0);
    const auto& top = analysis.wordAnalyses.at(1);
    EXPECT_EQ(cat.keptTransitions, std::vector<Transition>{2});
    EXPECT_EQ(cat.w1Range[1].size(), 0);
    EXPECT_EQ(texts(analysis, cat.w1List), Strings{"orca"});
    EXPECT_EQ(texts(analysis, cat.w2List), Strings{"tart"});
    EXPECT_EQ(top.keptTransitions, std::vector<Transition>{1});
    EXPECT_EQ(texts(analysis, top.w1List), Strings{"tart"});
    EXPECT_EQ(texts(analysis, top.w2List), Strings{"opal"});
    EXPECT_EQ(top.wp2W1List, (std::vector<Wp2W1Entry>{{1, 2, 1}}));
    EXPECT_EQ(top.modeCount, 2);
    EXPECT_EQ(top.singleModeCount, 1);
    EXPECT_EQ(top.modeAt(2), VariantMode::Wp2W1);
    EXPECT_EQ(top.modeAt(5), VariantMode::Transition);
}

TEST(PhraseSearch, OneLetterWordHasOneTransitionOnItsLetter) {
    const auto analysis = analyse({"a", "ab", "ba", "aba", "bab", "abc", "xay"}, "a");
    const auto& a = analysis.wordAnalyses.at(0);
    EXPECT_EQ(texts(analysis, a.w1List), (Strings{"a", "ba", "aba"}));
    EXPECT_EQ(texts(analysis, a.w2List), (Strings{"a", "ab", "aba", "abc"}));
    EXPECT_EQ(texts(analysis, a.rList), (Strings{"a", "aba"}));
    EXPECT_EQ(texts(analysis, a.eList), (Strings{"aba", "bab", "abc", "xay"}));
}

TEST(PhraseSearch, DuplicateTextsPairOnlyByIndex) {
    Strings dic(600, "zzz");
    dic[3] = "xa";
    dic[7] = "dx";
    dic[10] = "bc";
    dic[500] = "bc";
    const auto analysis = analyse(dic, "ab cd");
    EXPECT_EQ(analysis.wordAnalyses.at(1).wp2W1List,
              (std::vector<Wp2W1Entry>{{10, 1, 1}, {500, 1, 1}}));
}

TEST(PhraseSearch, MatchesTheLiteralSearchOnRandomDictionaries) {
    std::mt19937 random(7);
    const auto randomWord = [&](std::size_t minLength, std::size_t maxLength) {
        std::string word(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random),
                         'a');
        for (auto& c : word) {
            c = "abc"[std::uniform_int_distribution<int>(0, 2)(random)];
        }
        return word;
    };
    for (int round = 0; round < 1000; ++round) {
        Strings dic;
        const int size = std::uniform_int_distribution<int>(0, 60)(random);
        for (int i = 0; i < size; ++i) {
            // Repeats of earlier entries, and empty and one-letter words.
            dic.push_back(i > 0 && random() % 4 == 0 ? dic[random() % dic.size()]
                                                     : randomWord(0, 5));
        }
        std::string phrase;
        for (int w = std::uniform_int_distribution<int>(1, 6)(random); w > 0; --w) {
            phrase += randomWord(1, 4) + " ";
        }
        const auto fast = analyse(dic, phrase);
        const auto slow = literalSearch(dic, fast.words);
        ASSERT_EQ(fast.wordAnalyses.size(), slow.wordAnalyses.size());
        for (std::size_t w = 0; w < fast.wordAnalyses.size(); ++w) {
            SCOPED_TRACE("round " + std::to_string(round) + " word " + fast.words[w]);
            const auto& f = fast.wordAnalyses[w];
            const auto& s = slow.wordAnalyses[w];
            EXPECT_EQ(f.w1List, s.w1List);
            EXPECT_EQ(f.w1Range, s.w1Range);
            EXPECT_EQ(f.w2List, s.w2List);
            EXPECT_EQ(f.w2Range, s.w2Range);
            EXPECT_EQ(f.keptTransitions, s.keptTransitions);
            EXPECT_EQ(f.rList, s.rList);
            EXPECT_EQ(f.eList, s.eList);
            EXPECT_EQ(f.wp2W1List, s.wp2W1List);
            EXPECT_EQ(f.rpW1List, s.rpW1List);
            EXPECT_EQ(f.epW1List, s.epW1List);
            EXPECT_EQ(f.wp2RList, s.wp2RList);
            EXPECT_EQ(f.wp2EList, s.wp2EList);
            EXPECT_EQ(f.modeList, s.modeList);
            EXPECT_EQ(f.modeCount, s.modeCount);
            EXPECT_EQ(f.singleModeCount, s.singleModeCount);
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
    const long outer = 3 * static_cast<long>(bc.w1List.size()) +
                       static_cast<long>(bc.rList.size() + bc.eList.size());
    EXPECT_GT(outer, 0);
    EXPECT_EQ(job.stopPoints, 2 * 97 + outer);
    // 194 tested entries: 24 updates, 2 to 48.
    ASSERT_EQ(job.progressValues.size(), 24u);
    EXPECT_EQ(job.progressValues.front(), 2);
    EXPECT_EQ(job.progressValues.back(), 48);

    undertext::testing::RecordingJob stopped(2 * 97 + 1);
    EXPECT_FALSE(searchPhrase(input, stopped));
    EXPECT_EQ(stopped.stopPoints, 2 * 97 + 1);
}

}  // namespace
}  // namespace undertext::create::testing
