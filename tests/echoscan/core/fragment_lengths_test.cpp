#include "echoscan/core/fragment_lengths.h"

#include <gtest/gtest.h>

#include <tuple>

namespace undertext::echoscan {
namespace {

TEST(FragmentLengths, BlanksAndASignAroundTheDigitsAreAllowedAndNothingElse) {
    EXPECT_EQ(parseFragmentLength(" +7 "), 7);
    EXPECT_EQ(parseFragmentLength("- 1"), std::nullopt);
}

TEST(FragmentLengths, RangesFromOneLengthUpToTheLimitAreAccepted) {
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"4", "40", 4, 40},
        {"5", "5", 5, 5},
        {"1", "1", 1, 1},
        {" +3 ", "1000000000", 3, 1'000'000'000}};
    for (const auto& [shortestText, longestText, shortest, longest] : cases) {
        const auto lengths = checkFragmentLengths(shortestText, longestText);
        ASSERT_TRUE(lengths.ok()) << shortestText << ".." << longestText << ": " << lengths.error();
        EXPECT_EQ(lengths->shortest, shortest);
        EXPECT_EQ(lengths->longest, longest);
    }
}

}  // namespace
}  // namespace undertext::echoscan
