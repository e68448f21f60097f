#include "echoscan/core/fragment_lengths.h"

#include <gtest/gtest.h>

namespace undertext::echoscan {
namespace {

TEST(FragmentLengths, BlanksAndASignAroundTheDigitsAreAllowedAndNothingElse) {
    EXPECT_EQ(parseFragmentLength(" +7 "), 7);
    EXPECT_EQ(parseFragmentLength("- 1"), std::nullopt);
}

}  // namespace
}  // namespace undertext::echoscan
