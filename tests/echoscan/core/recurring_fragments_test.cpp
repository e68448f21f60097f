#include "echoscan/core/recurring_fragments.h"

#include <gtest/gtest.h>

#include <random>

#include "common/core/codepage.h"
#include "echoscan/core/fragment_text.h"
#include "tests/echoscan/core/literal_fragment_search.h"
#include "tests/support/recording_job.h"

namespace undertext {
namespace {

using testing::LiteralFragment;
using testing::RecordingJob;

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

std::vector<LiteralFragment> listed(std::string_view fragmentText,
                                    const std::vector<RecurringFragment>& fragments) {
    std::vector<LiteralFragment> out;
    for (const auto& f : fragments) {
        out.push_back({std::string(f.text(fragmentText)), static_cast<long>(f.count),
                       static_cast<int>(f.length)});
    }
    return out;
}

std::vector<LiteralFragment> search(std::string_view fragmentText, int minLength, int maxLength) {
    UnwatchedJob job;
    const auto found = findRecurringFragments(fragmentText, minLength, maxLength, job);
    EXPECT_TRUE(found.has_value());
    return listed(fragmentText, found.value_or(std::vector<RecurringFragment>{}));
}

TEST(RecurringFragments, TheTwoMothersExample) {
    const auto text = prepareFragmentText(cp("мама мыла раму, мама мыла окно."), Language::Russian);
    ASSERT_EQ(text.size(), 30u);
    const std::vector<LiteralFragment> expected = {
        {cp("ам"), 3, 2}, {cp(" м"), 3, 2}, {cp("мама мыла "), 2, 10}};
    EXPECT_EQ(search(text, 2, 40), expected);
}

TEST(RecurringFragments, TheLastTwoCharactersBelongToNoFragment) {
    const std::vector<LiteralFragment> expected = {{cp("абв а"), 2, 5}};
    EXPECT_EQ(search(cp("абв абв абв"), 1, 40), expected);
}

TEST(RecurringFragments, OverlappingOccurrencesCountAndShorterOnesAreAbsorbed) {
    const std::vector<LiteralFragment> pairs = {{cp("аа"), 2, 2}};
    EXPECT_EQ(search(cp("ааааа"), 1, 2), pairs);
    const std::vector<LiteralFragment> triples = {{cp("ааа"), 3, 3}};
    EXPECT_EQ(search(cp("ааааааа"), 3, 3), triples);
    // With one length nothing is absorbed.
    const std::vector<LiteralFragment> single = {{"ab", 2, 2}, {"bc", 2, 2}};
    EXPECT_EQ(search("abcxabcxy", 2, 2), single);
}

TEST(RecurringFragments, NoStartLeftOrNothingRepeated) {
    EXPECT_TRUE(search("abcd", 3, 3).empty());  // N = 3: no start for length 3
    EXPECT_TRUE(search("abcdef", 1, 40).empty());
    EXPECT_TRUE(search(" ", 1, 1).empty());
}

// Runs both searches with the same stop request and compares everything the
// caller can see: the fragments, the progress values, the stop points passed.
void expectSameAsLiteral(const std::string& text, int minLength, int maxLength, long stopAt = 0) {
    RecordingJob fast(stopAt);
    RecordingJob literal(stopAt);
    const auto fastFound = findRecurringFragments(text, minLength, maxLength, fast);
    const auto literalFound =
        testing::literalRecurringFragments(text, minLength, maxLength, literal);
    const auto where = "text \"" + cp1251ToUtf8(text) + "\" from " + std::to_string(minLength) +
                       " to " + std::to_string(maxLength) + " stop at " + std::to_string(stopAt);
    ASSERT_EQ(fastFound.has_value(), literalFound.has_value()) << where;
    if (fastFound) {
        ASSERT_EQ(listed(text, *fastFound), *literalFound) << where;
    }
    ASSERT_EQ(fast.progressValues, literal.progressValues) << where;
    ASSERT_EQ(fast.stopPoints, literal.stopPoints) << where;
}

std::string randomText(std::mt19937& random, std::size_t length, std::string_view alphabet) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(alphabet[random() % alphabet.size()]);
    }
    return text;
}

TEST(RecurringFragmentsOracle, SmallRandomTextsInEveryRange) {
    std::mt19937 random(4);
    const std::string alphabets[] = {"ab", "ab ", cp("а б"), "abc  "};
    for (int round = 0; round < 60; ++round) {
        const auto& alphabet = alphabets[round % 4];
        const auto text = randomText(random, 2 + random() % 17, alphabet);
        const int size = static_cast<int>(text.size());
        for (int minLength = 1; minLength <= size; ++minLength) {
            for (int maxLength = minLength; maxLength <= size + 2; ++maxLength) {
                expectSameAsLiteral(text, minLength, maxLength);
            }
        }
    }
}

TEST(RecurringFragmentsOracle, PreparedTextsWithBlanksAtTheEnds) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        // Words of a few letters, with separators at either end or not.
        const auto raw = randomText(random, 20 + random() % 60, "abcab, \r\n");
        const auto text = prepareFragmentText(raw, Language::English);
        if (text.size() < 3) {
            continue;
        }
        const int minLength = 1 + static_cast<int>(random() % 4);
        for (const int maxLength : {minLength, minLength + 1, minLength + 5, 40}) {
            expectSameAsLiteral(text, minLength, maxLength);
        }
    }
}

TEST(RecurringFragmentsOracle, RealTextAndLongRanges) {
    const auto text = prepareFragmentText(
        cp("Мороз и солнце; день чудесный! Ещё ты дремлешь, друг прелестный? Пора, красавица, "
           "проснись: открой сомкнуты негой взоры. Мороз и солнце, день чудесный.\r\n"),
        Language::Russian);
    for (const auto& [minLength, maxLength] :
         {std::pair{1, 40}, {2, 5}, {4, 40}, {3, 3}, {1, 60}, {30, 40}, {9, 40}, {10, 40}}) {
        expectSameAsLiteral(text, minLength, maxLength);
    }
    // A repeat longer than the range, with late passes and their fractional steps.
    std::mt19937 random(11);
    const auto block = randomText(random, 50, "abcdefghijklmnopqrstuvwxyz");
    for (const auto& [minLength, maxLength] : {std::pair{1, 45}, {10, 40}, {9, 40}, {2, 70}}) {
        expectSameAsLiteral(block + block + "zz", minLength, maxLength);
    }
}

TEST(RecurringFragmentsOracle, StopsAtTheSameStopPoint) {
    const auto text = cp("ааааааа ббб ааа ббб");
    RecordingJob count;
    ASSERT_TRUE(findRecurringFragments(text, 1, 40, count));
    for (long stopAt = 1; stopAt <= count.stopPoints; ++stopAt) {
        expectSameAsLiteral(text, 1, 40, stopAt);
    }
}

TEST(RecurringFragmentsProgress, PassesThenAbsorptionEntries) {
    // «ааааа» from 1 to 2: passes of 3 and 2 starts; 3 + 2 occurrences.
    RecordingJob job;
    ASSERT_TRUE(findRecurringFragments(cp("ааааа"), 1, 2, job));
    EXPECT_EQ(job.stopPoints, 3 + 2 + 5);
    // Threshold round(2 * 4 / 89) = 0: every second entry adds 2.
    EXPECT_EQ(job.progressValues, (std::vector<int>{4, 6, 8, 10}));
}

TEST(RecurringFragmentsProgress, LatePassesGrowOnlyWhenTheRangeIsWiderThanThirty) {
    std::mt19937 random(3);
    const auto block = randomText(random, 60, "abcdefghijklmnopqrstuvwxyz");
    const auto text = block + block + "zz";
    RecordingJob narrow;
    ASSERT_TRUE(findRecurringFragments(text, 10, 40, narrow));
    std::vector<int> expected;
    for (int value = 4; value <= 60; value += 2) {
        expected.push_back(value);
    }
    expected.insert(expected.end(), {60, 60});  // 31 passes, the last two add 0
    ASSERT_GE(narrow.progressValues.size(), expected.size());
    EXPECT_EQ(std::vector<int>(narrow.progressValues.begin(),
                               narrow.progressValues.begin() + expected.size()),
              expected);

    RecordingJob wide;
    ASSERT_TRUE(findRecurringFragments(text, 9, 40, wide));
    expected.pop_back();
    expected.pop_back();
    expected.insert(expected.end(), {60, 61, 61});  // 60 + k * 20/31
    EXPECT_EQ(std::vector<int>(wide.progressValues.begin(),
                               wide.progressValues.begin() + expected.size()),
              expected);
    EXPECT_LE(wide.progressValues.back(), 97);
}

}  // namespace
}  // namespace undertext
