#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "create_test_support.h"
#include "tests/support/recording_job.h"

namespace undertext::create::testing {
namespace {

// Every pair of an outer and an inner entry with the same dictionary index, as
// two nested loops.
template <typename Outer, typename Inner, typename Emit>
void nestedLoops(const std::vector<Outer>& outer, const std::vector<Inner>& inner, Emit emit) {
    for (const auto& x : outer) {
        for (const auto& y : inner) {
            if (indexOf(x) == indexOf(y)) {
                emit(x, y);
            }
        }
    }
}

// The search read literally: a full dictionary scan per transition, keeping a
// transition only when it has a left and a right word, the embedded scan, and
// the cross-word lists as nested loops. Slow on purpose.
std::vector<WordAnalysis> literalSearch(const Strings& dic, const Strings& words) {
    std::vector<WordAnalysis> result;
    const auto matching = [&](auto test) {
        std::vector<DicIndex> found;
        for (DicIndex e = 0; e < static_cast<DicIndex>(dic.size()); ++e) {
            if (test(dic[e])) {
                found.push_back(e);
            }
        }
        return found;
    };
    for (const std::string& s : words) {
        const std::size_t length = std::max<std::size_t>(s.size(), 2);
        WordAnalysis a;
        a.w1Range.resize(length);
        a.w2Range.resize(length);
        for (std::size_t t = 1; t < length; ++t) {
            const std::string left = s.size() == 1 ? s : s.substr(0, t);
            const std::string right = s.size() == 1 ? s : s.substr(t);
            const auto lefts = matching([&](const std::string& d) { return d.ends_with(left); });
            const auto rights =
                matching([&](const std::string& d) { return d.starts_with(right); });
            const int m = static_cast<int>(a.w1List.size());
            const int n = static_cast<int>(a.w2List.size());
            if (!lefts.empty() && !rights.empty()) {
                a.keptTransitions.push_back(static_cast<Transition>(t));
                for (const auto e : lefts) {
                    a.w1List.push_back({e, a.keptTransitions.back()});
                }
                for (const auto e : rights) {
                    a.w2List.push_back({e, a.keptTransitions.back()});
                }
                std::ranges::copy(matching([&](const std::string& d) {
                                      return d.ends_with(left) && d.starts_with(right);
                                  }),
                                  std::back_inserter(a.rList));
            }
            a.w1Range[t] = {m, static_cast<int>(a.w1List.size())};
            a.w2Range[t] = {n, static_cast<int>(a.w2List.size())};
        }
        a.eList = matching([&](const std::string& d) {
            return d.find(s) != std::string::npos && d.size() > length;
        });
        if (!result.empty()) {
            const WordAnalysis& p = result.back();
            nestedLoops(a.w1List, p.w2List, [&](auto x, auto y) {
                a.wp2W1List.push_back({x.index, y.transition, x.transition});
            });
            nestedLoops(a.w1List, p.rList, [&](auto x, auto) { a.rpW1List.push_back(x); });
            nestedLoops(a.w1List, p.eList, [&](auto x, auto) { a.epW1List.push_back(x); });
            nestedLoops(a.rList, p.w2List, [&](auto x, auto y) {
                a.wp2RList.push_back({x, y.transition});
            });
            nestedLoops(a.eList, p.w2List, [&](auto x, auto y) {
                a.wp2EList.push_back({x, y.transition});
            });
        }
        const bool available[] = {!a.keptTransitions.empty(), !a.rList.empty(),
                                  !a.eList.empty(),           !a.wp2W1List.empty(),
                                  !a.rpW1List.empty(),        !a.epW1List.empty(),
                                  !a.wp2RList.empty(),        !a.wp2EList.empty()};
        for (int code = 0; code < kModePositions; ++code) {
            if (code == 3) {
                a.singleModeCount = a.modeCount;
            }
            if (available[code]) {
                a.modeList[a.modeCount++] = static_cast<VariantMode>(code);
            }
        }
        result.push_back(std::move(a));
    }
    return result;
}

auto fields(const WordAnalysis& a) {
    return std::tie(a.w1List, a.w1Range, a.w2List, a.w2Range, a.keptTransitions, a.rList, a.eList,
                    a.wp2W1List, a.rpW1List, a.epW1List, a.wp2RList, a.wp2EList, a.modeList,
                    a.modeCount, a.singleModeCount);
}

TEST(PhraseWords, SplitsOnEveryNonLetterOfTheLanguage) {
    EXPECT_EQ(splitPhrase("Hello, world!!", Language::English).words, (Strings{"hello", "world"}));
    const auto yo = splitPhrase(utf8ToCp1251(" ёлка "), Language::Russian);  // ё separates
    EXPECT_EQ(yo.words, Strings{utf8ToCp1251("лка")});
    EXPECT_EQ(yo.letterCount, 3);
    EXPECT_EQ(splitPhrase("only latin", Language::Russian).letterCount, 0);
}

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
    const auto randomWord = [&](int minLength, int maxLength) {
        std::string word(std::uniform_int_distribution<int>(minLength, maxLength)(random), 'a');
        for (auto& c : word) {
            c = "abc"[random() % 3];
        }
        return word;
    };
    for (int round = 0; round < 1000; ++round) {
        Strings dic;
        for (int i = std::uniform_int_distribution<int>(0, 60)(random); i > 0; --i) {
            // Repeats of earlier entries, and empty and one-letter words.
            dic.push_back(!dic.empty() && random() % 4 == 0 ? dic[random() % dic.size()]
                                                            : randomWord(0, 5));
        }
        std::string phrase;
        for (int w = std::uniform_int_distribution<int>(1, 6)(random); w > 0; --w) {
            phrase += randomWord(1, 4) + " ";
        }
        const auto fast = analyse(dic, phrase);
        const auto slow = literalSearch(dic, fast.words);
        ASSERT_EQ(fast.wordAnalyses.size(), slow.size());
        for (std::size_t w = 0; w < slow.size(); ++w) {
            EXPECT_TRUE(fields(fast.wordAnalyses[w]) == fields(slow[w]))
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
