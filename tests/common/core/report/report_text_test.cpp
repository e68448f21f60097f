#include "common/core/report/report_text.h"

#include <gtest/gtest.h>

#include "common/core/report/number_text.h"

namespace undertext {
namespace {

TEST(ReportText, PrintZonesAlwaysMoveOn) {
    EXPECT_EQ(ReportText().padToNextZone().endLine().text(), std::string(14, ' ') + "\r\n");
    EXPECT_EQ(ReportText().append(std::string(14, 'x')).padToNextZone().text(),
              std::string(14, 'x') + std::string(14, ' '));
    EXPECT_EQ(ReportText().append(std::string(13, 'x')).padToNextZone().text(),
              std::string(13, 'x') + " ");
}

TEST(ReportText, PaddingToAColumnBreaksTheLineOncePast) {
    const auto row = [](const char* word, int column, std::int64_t count) {
        ReportText text;
        text.append(word).padToColumn(column).append(printedNumber(count));
        return text.padToColumn(column + 8).append(printedNumber(3)).text();
    };
    EXPECT_EQ(row("kotel", 6, 3), "kotel 3       3 ");
    EXPECT_EQ(row("kot", 8, 12), "kot     12      3 ");
    EXPECT_EQ(row("ab", 6, 1000000), "ab    1000000 \r\n" + std::string(13, ' ') + " 3 ");
    EXPECT_EQ(ReportText().append("Slovo").padToColumn(6).append("K").text(), "SlovoK");
    ReportText broken;
    broken.append("abcdefg").padToColumn(3).append("x");
    EXPECT_EQ(broken.nextColumn(), 4);
}

}  // namespace
}  // namespace undertext
