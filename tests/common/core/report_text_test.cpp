#include "common/core/report_text.h"

#include <gtest/gtest.h>

#include "common/core/number_text.h"

namespace undertext {
namespace {

TEST(ReportText, PrintZonesAlwaysMoveOn) {
    EXPECT_EQ(ReportText().padToNextZone().endLine().text(), std::string(14, ' ') + "\r\n");
    EXPECT_EQ(ReportText().append(std::string(14, 'x')).padToNextZone().text(),
              std::string(14, 'x') + std::string(14, ' '));
    EXPECT_EQ(ReportText().append(std::string(13, 'x')).padToNextZone().text(),
              std::string(13, 'x') + " ");
}

TEST(ReportText, PaddingToAColumn) {
    // A row of a sorted report with C = 6 and C = 8.
    ReportText row;
    row.append("kotel")
        .padToColumn(6)
        .append(printedNumber(3))
        .padToColumn(14)
        .append(printedNumber(5));
    EXPECT_EQ(row.text(), "kotel 3       5 ");
    ReportText wide;
    wide.append("kot")
        .padToColumn(8)
        .append(printedNumber(12))
        .padToColumn(16)
        .append(printedNumber(3));
    EXPECT_EQ(wide.text(), "kot     12      3 ");
    // Already in the column: no blank.
    EXPECT_EQ(ReportText().append("Slovo").padToColumn(6).append("K").text(), "SlovoK");
}

TEST(ReportText, PaddingPastTheColumnBreaksTheLine) {
    ReportText row;
    row.append("ab")
        .padToColumn(6)
        .append(printedNumber(1000000))
        .padToColumn(14)
        .append(printedNumber(3));
    EXPECT_EQ(row.text(), "ab    1000000 \r\n" + std::string(13, ' ') + " 3 ");
    EXPECT_EQ(row.nextColumn(), 17);
}

}  // namespace
}  // namespace undertext
