#include "viewer/ui/report_exports.h"

#include <gtest/gtest.h>

namespace undertext::ui {
namespace {

TEST(ReportExports, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(csvField(QStringLiteral("кот")), QStringLiteral("кот"));
    EXPECT_EQ(csvField(QStringLiteral(" мама ")), QStringLiteral(" мама "));
    EXPECT_EQ(csvField(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));
    EXPECT_EQ(csvField(QStringLiteral("say \"x\"\n")), QStringLiteral("\"say \"\"x\"\"\n\""));
    EXPECT_EQ(csvField(QStringLiteral("two\nlines")), QStringLiteral("\"two\nlines\""));
    EXPECT_EQ(csvField(QStringLiteral("two\rlines")), QStringLiteral("\"two\rlines\""));
}

}  // namespace
}  // namespace undertext::ui
