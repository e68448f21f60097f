#include "viewer/core/report_rows.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_reports.h"
#include "embed/core/embed_reports.h"

namespace undertext::ui {
namespace {

std::vector<ReportRow> rowsOf(std::initializer_list<ReportRow> rows) {
    std::vector<ReportRow> encoded;
    for (auto row : rows) {
        row.text = utf8ToCp1251(row.text);
        encoded.push_back(row);
    }
    return encoded;
}

TEST(ReportRows, ReadBackTheRowsOfBothProgramsSortedReports) {
    // A word longer than the report's column stands on a line of its own.
    const std::vector<embed::EmbeddedWord> words = {
        {utf8ToCp1251("кот"), 14, 3},
        {utf8ToCp1251("ель"), 1, 3},
        {utf8ToCp1251("переосвидетельствование"), 2, 23}};
    const auto embedReport = embed::sortedReportText(embed::SortedReport::ByFrequency, words,
                                                     embed::embedTotals(words, 40));
    EXPECT_EQ(parseReportRows(embedReport),
              rowsOf({{"кот", 14, 3}, {"ель", 1, 3}, {"переосвидетельствование", 2, 23}}));

    // Fragments keep their blanks at either end; a long one also wraps.
    const std::string fragmentText = utf8ToCp1251(" мама мыла раму мама мыла раму очень длинно");
    const std::vector<echoscan::RecurringFragment> fragments = {{0, 5, 2}, {5, 6, 2}, {0, 20, 2}};
    const auto echoReport = echoscan::fragmentReportText(echoscan::FragmentReport::Alphabetical,
                                                         fragmentText, fragments, 3, 20, 12);
    EXPECT_EQ(parseReportRows(echoReport),
              rowsOf({{" мама", 2, 5}, {" мыла ", 2, 6}, {" мама мыла раму мама", 2, 20}}));
}

TEST(ReportRows, KeepOnlyTheLinesThatParseInBrokenReports) {
    const struct {
        const char* name;
        std::string report;
        std::vector<ReportRow> rows;
    } cases[] = {
        {"empty", "", {}},
        {"no line end", "кот   14   3", rowsOf({{"кот", 14, 3}})},
        {"cut inside a row", "кот   14   3\r\nель   1", rowsOf({{"кот", 14, 3}})},
        {"one number only", "Всего слов в тексте: 40\r\nкот 2\r\n", {}},
        {"glued numbers", "кот 143\r\n", {}},
        {"numbers without text", "   5   3\r\n", {}},
        {"numbers without text after a wrapped row",
         "переосвидетельствование\r\n   2   23\r\n   5   3\r\n",
         rowsOf({{"переосвидетельствование", 2, 23}})},
        {"huge numbers", "кот 99999999999999999999999 3\r\n", {}},
        {"lone line feeds", "кот 1 3\nель 2 3\n", rowsOf({{"кот", 1, 3}, {"ель", 2, 3}})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseReportRows(utf8ToCp1251(c.report)), c.rows) << c.name;
    }
    EXPECT_EQ(parseReportRows(std::string("\xff\x01\0 7 3\r\n", 10)),
              (std::vector<ReportRow>{{std::string("\xff\x01\0", 3), 7, 3}}));
}

}  // namespace
}  // namespace undertext::ui
