#include "common/core/number_text.h"

#include <gtest/gtest.h>

namespace undertext {
namespace {

TEST(NumberText, LeadingBlankUnlessNegative) {
    EXPECT_EQ(numberText(2), " 2");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-7), "-7");
    EXPECT_EQ(printedNumber(12), " 12 ");
    EXPECT_EQ("Готово " + numberText(2) + " %", "Готово  2 %");
}

TEST(NumberText, CoefficientForms) {
    EXPECT_EQ(coefficientText(1.0F), " 1");
    EXPECT_EQ(coefficientText(0.25F), " .25");
    EXPECT_EQ(coefficientText(2.0F / 3.0F), " .6666667");
    EXPECT_EQ(coefficientText(1.5F), " 1.5");
    EXPECT_EQ(coefficientText(0.0F), " 0");
    EXPECT_EQ(coefficientText(12.0F / 7.0F), " 1.714286");
    EXPECT_EQ(coefficientText(1234567.0F), " 1234567");
    EXPECT_EQ(coefficientText(-0.5F), "-.5");
    EXPECT_EQ(coefficientText(0.0001F), " .0001");
    EXPECT_EQ(coefficientText(0.00001F), " 1E-05");
    EXPECT_EQ(coefficientText(12345678.0F), " 1.234568E+07");
}

TEST(NumberText, DivisionRoundsHalvesToEven) {
    EXPECT_EQ(divideRoundHalfEven(5, 2), 2);
    EXPECT_EQ(divideRoundHalfEven(3, 2), 2);
    EXPECT_EQ(divideRoundHalfEven(7, 2), 4);
    EXPECT_EQ(divideRoundHalfEven(45, 30), 2);  // 1.5
    EXPECT_EQ(divideRoundHalfEven(75, 30), 2);  // 2.5
    EXPECT_EQ(divideRoundHalfEven(15, 30), 0);  // 0.5
    EXPECT_EQ(divideRoundHalfEven(16, 30), 1);
    EXPECT_EQ(divideRoundHalfEven(-1, 30), 0);
    EXPECT_EQ(divideRoundHalfEven(-45, 30), -2);
    EXPECT_EQ(divideRoundHalfEven(-15, 30), 0);
}

TEST(NumberText, ReportColumnIsLongestPlusOneAtLeastSix) {
    EXPECT_EQ(reportColumn(0), 6);
    EXPECT_EQ(reportColumn(3), 6);
    EXPECT_EQ(reportColumn(5), 6);
    EXPECT_EQ(reportColumn(9), 10);
}

}  // namespace
}  // namespace undertext
