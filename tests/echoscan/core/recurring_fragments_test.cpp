#include "echoscan/core/recurring_fragments.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_text.h"
#include "testing/literal/fragment_search.h"

namespace undertext::echoscan {
namespace {

using testing::LiteralFragment;
using Fragments = std::vector<LiteralFragment>;

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

void expectSameAsLiteral(const std::string& text, int minLength, int maxLength, long stopAt = 0) {
    ASSERT_EQ(testing::fastSearchSeen(text, minLength, maxLength, stopAt),
              testing::literalSearchSeen(text, minLength, maxLength, stopAt))
        << "text \"" << cp1251ToUtf8(text) << "\" from " << minLength << " to " << maxLength
        << " stop at " << stopAt;
}

std::string randomText(std::mt19937& random, std::size_t length, std::string_view alphabet) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(alphabet[random() % alphabet.size()]);
    }
    return text;
}

TEST(RecurringFragments, NamedExamples) {
    const std::tuple<std::string, int, int, Fragments> cases[] = {
        {prepareFragmentText(cp("мама мыла раму, мама мыла окно."), Language::Russian),
         2,
         40,
         {{cp("ам"), 3, 2}, {cp(" м"), 3, 2}, {cp("мама мыла "), 2, 10}}},
        {cp("абв абв абв"), 1, 40, {{cp("абв а"), 2, 5}}},  // the last two bytes are never seen
        {cp("ааааа"), 1, 2, {{cp("аа"), 2, 2}}},            // overlaps count, «а» is absorbed
        {cp("ааааааа"), 3, 3, {{cp("ааа"), 3, 3}}},
        {"abcxabcxy", 2, 2, {{"ab", 2, 2}, {"bc", 2, 2}}},  // one length: nothing absorbed
        {"abcd", 3, 3, {}},                                 // N = 3 leaves no start
        {"abcdef", 1, 40, {}}};
    for (const auto& [text, minLength, maxLength, expected] : cases) {
        EXPECT_EQ(testing::fastSearchSeen(text, minLength, maxLength).found, expected)
            << cp1251ToUtf8(text);
        expectSameAsLiteral(text, minLength, maxLength);
    }
}

TEST(RecurringFragments, ProgressAndStopPointsOfPassesAndAbsorption) {
    const auto five = testing::fastSearchSeen(cp("ааааа"), 1, 2);
    EXPECT_EQ(five.stopPoints, 3 + 2 + 5);  // passes of 3 and 2 starts, 5 occurrences
    EXPECT_EQ(five.progress, (std::vector<int>{4, 6, 8, 10}));  // threshold round(8 / 89) = 0
}

TEST(RecurringFragmentsOracle, RandomTextsInEveryRange) {
    std::mt19937 random(4);
    const std::string alphabets[] = {"ab", "ab ", cp("а б"), "a,b\r\n"};
    for (int round = 0; round < 80; ++round) {
        auto text = randomText(random, 2 + random() % 17, alphabets[round % 4]);
        if (round % 2 == 1) {  // single blanks, often at either end
            text =
                prepareFragmentText(text, round % 4 == 2 ? Language::Russian : Language::English);
        }
        const int size = static_cast<int>(text.size());
        for (int minLength = 1; minLength <= size; ++minLength) {
            for (int maxLength = minLength; maxLength <= size + 2; ++maxLength) {
                expectSameAsLiteral(text, minLength, maxLength);
            }
        }
    }
}

TEST(RecurringFragmentsOracle, RealTextLongRangesAndEveryStopPoint) {
    const auto text = prepareFragmentText(
        cp("Мороз и солнце; день чудесный! Ещё ты дремлешь, друг прелестный? Пора, красавица, "
           "проснись: открой сомкнуты негой взоры. Мороз и солнце, день чудесный.\r\n"),
        Language::Russian);
    for (const auto& [minLength, maxLength] :
         {std::pair{1, 40}, {2, 5}, {4, 40}, {3, 3}, {1, 60}, {30, 40}, {9, 40}, {10, 40}}) {
        expectSameAsLiteral(text, minLength, maxLength);
    }
    // A repeat longer than the range: every pass finds some, and from the 30th pass
    // on the progress grows by 20 / 31 (9 to 40) or stays at 60 (10 to 40).
    std::mt19937 random(11);
    const auto block = randomText(random, 50, "abcdefghijklmnopqrstuvwxyz");
    for (const auto& [minLength, maxLength] : {std::pair{1, 45}, {10, 40}, {9, 40}, {2, 70}}) {
        expectSameAsLiteral(block + block + "zz", minLength, maxLength);
    }
    const auto repeats = cp("ааааааа ббб ааа ббб");
    for (long stopAt = 1; stopAt <= testing::fastSearchSeen(repeats, 1, 40).stopPoints; ++stopAt) {
        expectSameAsLiteral(repeats, 1, 40, stopAt);
    }
}

// Ranges reaching far beyond the longest repeat, where most passes have no work
// and their progress values are computed; a stop asked for at the first or last
// stop point of such a pass, or of the absorption pass, ends the run exactly there.
TEST(RecurringFragmentsOracle, RangesFarAboveTheLongestRepeatAndStopsInSparsePasses) {
    std::mt19937 random(21);
    const auto block = randomText(random, 30, "abcdefgh");
    const std::string texts[] = {std::string(40, 'a'), block + block + block + "x",
                                 cp("ааа ббб ааа ббб ааа ббб ааа")};
    for (const auto& text : texts) {
        for (const auto& [minLength, maxLength] :
             {std::pair{1, 1000000000}, {3, 1000}, {2, 70}, {25, 1000000}}) {
            expectSameAsLiteral(text, minLength, maxLength);
        }
        // Pass L has N - L stop points; they follow those of the earlier passes.
        const long searchEnd = static_cast<long>(text.size()) - 1;
        const long all = testing::fastSearchSeen(text, 1, 1000000000).stopPoints;
        long passed = 0;
        for (int length = 1; length < searchEnd && passed < all; ++length) {
            expectSameAsLiteral(text, 1, 1000000000, passed + 1);
            passed += searchEnd - length;
            expectSameAsLiteral(text, 1, 1000000000, passed);
        }
        expectSameAsLiteral(text, 1, 1000000000, passed + 1);  // the absorption pass
        expectSameAsLiteral(text, 1, 1000000000, all);
    }
}

// A text larger than one run of the first pass's stop points: the first pass's
// stop points go by in runs while the result is built.
TEST(RecurringFragments, StopsWhileTheResultIsBuilt) {
    const std::string text(200000, 'a');
    const auto whole = testing::fastSearchSeen(text, 1, 3);
    EXPECT_EQ(whole.stopPoints, 2 * (199998 + 199997 + 199996));  // passes, then occurrences
    ASSERT_TRUE(whole.found);
    EXPECT_EQ(*whole.found, (Fragments{{std::string(3, 'a'), 199996, 3}}));
    for (const long stopAt : {1L, 65536L, 65537L, 199998L, 199999L}) {
        const auto stopped = testing::fastSearchSeen(text, 1, 3, stopAt);
        EXPECT_FALSE(stopped.found);
        EXPECT_EQ(stopped.stopPoints, stopAt);
        EXPECT_EQ(stopped.progress, stopAt <= 199998 ? std::vector<int>{} : std::vector<int>{4});
    }
}

}  // namespace
}  // namespace undertext::echoscan
