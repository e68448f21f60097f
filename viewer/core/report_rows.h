#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::ui {

// One row of a sorted report: the word or fragment (Windows-1251 bytes, as the
// report holds it), its count and its length.
struct ReportRow {
    std::string text;
    std::uint64_t count = 0;
    std::uint64_t length = 0;

    friend bool operator==(const ReportRow&, const ReportRow&) = default;
};

// The rows of a sorted report: every line that ends in two numbers after the
// text (a text longer than the report's column stands alone on the line before
// its numbers). The text is the first `length` characters of the line, so a
// fragment that starts or ends with a blank keeps it. Headings, totals and lines
// that do not parse are skipped; any bytes are accepted.
std::vector<ReportRow> parseReportRows(std::string_view report);

}  // namespace undertext::ui
