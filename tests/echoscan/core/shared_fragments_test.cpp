#include "echoscan/core/shared_fragments.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_locator.h"
#include "echoscan/core/fragment_text.h"
#include "testing/literal/shared_fragments.h"
#include "testing/support/recording_job.h"

namespace undertext::echoscan {
namespace {

using testing::LiteralSharedFragment;
using Texts = std::vector<std::string>;
using Found = std::vector<LiteralSharedFragment>;

std::string randomText(std::mt19937& random, std::size_t length, std::string_view alphabet) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(alphabet[random() % alphabet.size()]);
    }
    return text;
}

void expectSameAsLiteral(const Texts& texts, int minLength, int maxLength, bool allLengths) {
    ASSERT_EQ(testing::fastSharedFragments(texts, minLength, maxLength, allLengths),
              testing::literalSharedFragments(texts, minLength, maxLength, allLengths))
        << "texts \"" << cp1251ToUtf8(texts[0]) << "\", \"" << cp1251ToUtf8(texts[1])
        << "\"... from " << minLength << " to " << maxLength << (allLengths ? " all" : "");
}

TEST(SharedFragments, NamedExamples) {
    // The last two bytes of each text are never searched («zz», «xy»).
    const Texts quoted = {"abcdqabzz", "abcdxy"};
    const std::tuple<Texts, int, int, bool, Found> cases[] = {
        // «ab» keeps its occurrence at 5 of the first text, outside «abcd».
        {quoted,
         2,
         40,
         false,
         {{"ab", 3, 0, 5, {{0, 2, 0}, {1, 1, 0}}}, {"abcd", 2, 0, 0, {{0, 1, 0}, {1, 1, 0}}}}},
        // Every length of «abcd» and its inner fragments, by length, then first start.
        {quoted,
         3,
         40,
         true,
         {{"abc", 2, 0, 0, {{0, 1, 0}, {1, 1, 0}}},
          {"bcd", 2, 0, 1, {{0, 1, 1}, {1, 1, 1}}},
          {"abcd", 2, 0, 0, {{0, 1, 0}, {1, 1, 0}}}}},
        // A longest length of the range is never absorbed.
        {quoted,
         3,
         3,
         false,
         {{"abc", 2, 0, 0, {{0, 1, 0}, {1, 1, 0}}}, {"bcd", 2, 0, 1, {{0, 1, 1}, {1, 1, 1}}}}},
        // Repeats within one text are not shared; the third text's «ab» is.
        {{"ababab..", "cdcd..", "xaby.."}, 2, 40, false, {{"ab", 4, 0, 0, {{0, 3, 0}, {2, 1, 1}}}}},
        {{"abcabc..", "abcabc.."}, 1, 40, false, {{"abcabc", 2, 0, 0, {{0, 1, 0}, {1, 1, 0}}}}},
        {{"only one text.."}, 1, 40, false, {}},
        {{"ab", "ab", ""}, 1, 40, false, {}}};  // nothing is searched in texts of 2 bytes
    for (const auto& [texts, minLength, maxLength, allLengths, expected] : cases) {
        EXPECT_EQ(testing::fastSharedFragments(texts, minLength, maxLength, allLengths), expected)
            << texts[0] << " from " << minLength << " to " << maxLength;
        expectSameAsLiteral(texts, minLength, maxLength, allLengths);
    }
}

TEST(SharedFragmentsOracle, RandomTextsTwoAndThreeBothModes) {
    std::mt19937 random(24);
    const std::string alphabets[] = {"ab", "ab ", "abc", "a b"};
    for (int round = 0; round < 300; ++round) {
        Texts texts;
        const std::size_t count = 2 + round % 2;
        for (std::size_t t = 0; t < count; ++t) {
            texts.push_back(randomText(random, random() % 14, alphabets[round % 4]));
        }
        const int minLength = 1 + static_cast<int>(random() % 4);
        for (const int maxLength : {minLength, minLength + 1, minLength + 3, 1000000}) {
            expectSameAsLiteral(texts, minLength, maxLength, false);
            expectSameAsLiteral(texts, minLength, maxLength, true);
        }
    }
}

// Prepared Russian texts with a shared passage, and LCPs over 65535 (the 32-bit
// index): the fast search against the literal one on texts of a few hundred bytes.
TEST(SharedFragmentsOracle, PreparedTextsWithAQuotationAndLongRanges) {
    std::mt19937 random(7);
    const auto quotation = cp1251ToUtf8(randomText(random, 40, utf8ToCp1251("абв где ")));
    const auto prepare = [](const std::string& utf8) {
        return prepareFragmentText(utf8ToCp1251(utf8), Language::Russian);
    };
    const Texts texts = {prepare("Мама мыла раму. " + quotation + " И всё.\r\n"),
                         prepare("Папа, " + quotation + "! Мама мыла окно.\r\n"),
                         prepare("Третий текст: мыла.\r\n")};
    for (const auto& [minLength, maxLength] : {std::pair{1, 40}, {4, 40}, {3, 3}, {2, 70000}}) {
        expectSameAsLiteral(texts, minLength, maxLength, false);
        expectSameAsLiteral(texts, minLength, maxLength, true);
    }
}

// The counts and first positions are those kwic shows for each text.
TEST(SharedFragments, CountsAndFirstPositionsAreKwics) {
    const std::string sources[] = {utf8ToCp1251("«Мама мыла раму», — сказал он; мама мыла.\r\n"),
                                   utf8ToCp1251("Сказал: мама мыла раму!\r\nИ всё.\r\n")};
    std::vector<std::string> prepared;
    for (const auto& source : sources) {
        prepared.push_back(prepareFragmentText(source, Language::Russian));
    }
    const std::vector<std::string_view> views(prepared.begin(), prepared.end());
    for (const bool allLengths : {false, true}) {
        UnwatchedJob job;
        const auto found = findSharedFragments(views, 1, 40, allLengths, job).value();
        ASSERT_FALSE(found.fragments.empty());
        const auto positions = firstKwicPositions(found, views, [&](std::size_t text) {
            std::vector<std::uint32_t> map;
            prepareFragmentText(sources[text], Language::Russian, &map);
            return map;
        });
        for (const auto& fragment : found.fragments) {
            const auto text = found.textOf(fragment, views);
            for (const auto& share : found.sharesOf(fragment)) {
                const auto spans =
                    FragmentLocator(sources[share.text], Language::Russian).find(std::string(text));
                ASSERT_EQ(spans.size(), share.count) << cp1251ToUtf8(text);
                EXPECT_EQ(positions[static_cast<std::size_t>(&share - found.shares.data())],
                          spans.front().begin + 1)
                    << cp1251ToUtf8(text);
            }
        }
    }
}

TEST(SharedFragments, JoinedBytesLeaveOutEachTextsLastTwo) {
    EXPECT_EQ(sharedSearchBytes({"abcdqabzz", "abcdxy", "ab", ""}), (7 + 1) + (4 + 1) + 1 + 1U);
}

TEST(SharedFragments, StopsAtAStopPoint) {
    const std::string text(70000, 'a');
    const std::vector<std::string_view> texts = {text, text};
    testing::RecordingJob stopped(1);
    EXPECT_FALSE(findSharedFragments(texts, 1, 3, false, stopped));
    EXPECT_EQ(stopped.stopPoints, 1);
    testing::RecordingJob whole;
    const auto found = findSharedFragments(texts, 1, 3, false, whole);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->fragments.size(), 1U);  // «aaa»; the shorter ones lie inside it
    EXPECT_EQ(found->fragments[0].total, 2U * (70000 - 2 - 2));
    EXPECT_EQ(whole.progressValues, (std::vector<int>{50, 70, 100}));
}

}  // namespace
}  // namespace undertext::echoscan
