#include "common/core/report/number_text.h"

#include <gtest/gtest.h>

namespace undertext {
namespace {

TEST(NumberText, LeadingBlankUnlessNegative) {
    EXPECT_EQ(numberText(2), " 2");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-7), "-7");
    EXPECT_EQ(printedNumber(12), " 12 ");
}

TEST(NumberText, CoefficientForms) {
    const std::pair<float, const char*> cases[] = {{1.0F, " 1"},
                                                   {0.25F, " .25"},
                                                   {2.0F / 3.0F, " .6666667"},

                                                   {0.0F, " 0"},
                                                   {12.0F / 7.0F, " 1.714286"},
                                                   {1234567.0F, " 1234567"},
                                                   {-0.5F, "-.5"},
                                                   {0.0001F, " .0001"},
                                                   {0.00001F, " 1E-05"},
                                                   {12345678.0F, " 1.234568E+07"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(coefficientText(value), text) << value;
    }
}

TEST(NumberText, DivisionRoundsHalvesToEvenAndReportColumnHasAFloor) {
    const int cases[][3] = {{5, 2, 2},   {3, 2, 2},   {7, 2, 4},   {45, 30, 2},   {75, 30, 2},
                            {15, 30, 0}, {16, 30, 1}, {-1, 30, 0}, {-45, 30, -2}, {-15, 30, 0}};
    for (const auto& [numerator, denominator, expected] : cases) {
        EXPECT_EQ(divideRoundHalfEven(numerator, denominator), expected)
            << numerator << "/" << denominator;
    }
    EXPECT_EQ(reportColumn(0), 6);
    EXPECT_EQ(reportColumn(5), 6);
    EXPECT_EQ(reportColumn(9), 10);
}

}  // namespace
}  // namespace undertext
