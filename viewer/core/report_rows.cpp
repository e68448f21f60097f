#include "viewer/core/report_rows.h"

#include <optional>

#include "viewer/core/tsv_fields.h"

namespace undertext::ui {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Takes the number at the end of line (after trailing blanks) off it.
std::optional<std::uint64_t> takeTrailingNumber(std::string_view& line) {
    while (!line.empty() && line.back() == ' ') {
        line.remove_suffix(1);
    }
    std::size_t digits = 0;
    while (digits < line.size() && isDigit(line[line.size() - 1 - digits])) {
        ++digits;
    }
    if (digits == 0 || digits > 19) {  // more would not fit in 64 bits
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : line.substr(line.size() - digits)) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    line.remove_suffix(digits);
    return value;
}

// The row's text out of the part of its line before the numbers.
std::string rowText(std::string_view part, std::uint64_t length) {
    if (length <= part.size() && part.substr(length).find_first_not_of(' ') == part.npos) {
        return std::string(part.substr(0, length));
    }
    while (!part.empty() && part.back() == ' ') {
        part.remove_suffix(1);
    }
    return std::string(part);
}

}  // namespace

std::vector<ReportRow> parseReportRows(std::string_view report) {
    std::vector<ReportRow> rows;
    std::string_view previous;  // the line before, when it held no numbers
    forEachLine(report, [&](std::string_view line, std::size_t) {
        std::string_view rest = line;
        const auto length = takeTrailingNumber(rest);
        const std::size_t blanks = rest.size();
        while (!rest.empty() && rest.back() == ' ') {
            rest.remove_suffix(1);
        }
        const auto count = length && blanks > rest.size() ? takeTrailingNumber(rest) : std::nullopt;
        if (!count) {
            previous = line;
            return true;
        }
        const bool wrapped = rest.find_first_not_of(' ') == rest.npos;
        std::string text = rowText(wrapped ? previous : rest, *length);
        if (!text.empty() && text.find_first_not_of(' ') != text.npos) {
            rows.push_back({std::move(text), *count, *length});
        }
        previous = {};
        return true;
    });
    return rows;
}

}  // namespace undertext::ui
