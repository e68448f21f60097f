#include "corpus/core/sorted_report_rows.h"

#include <charconv>

namespace undertext::corpus {
namespace {

// The next line of text without its line end; text moves past it.
std::string_view takeLine(std::string_view& text) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    text.remove_prefix(end == text.npos ? text.size() : end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// The number that ends part after trailing blanks, taken off part.
std::optional<std::uint64_t> takeLastNumber(std::string_view& part) {
    const auto last = part.find_last_not_of(' ');
    if (last == part.npos) {
        return std::nullopt;
    }
    const auto digitsStart = part.find_last_not_of("0123456789", last) + 1;  // npos + 1 is 0
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(part.data() + digitsStart, part.data() + last + 1, value);
    if (digitsStart > last || error != std::errc() || end != part.data() + last + 1) {
        return std::nullopt;
    }
    part = part.substr(0, digitsStart);
    return value;
}

}  // namespace

std::optional<std::vector<SortedReportRow>> readSortedReportRows(std::string_view report) {
    for (int heading = 0; heading < 4 && !report.empty(); ++heading) {
        takeLine(report);
    }
    std::vector<SortedReportRow> rows;
    std::optional<SortedReportRow> waiting;  // a row whose length is on the next line
    std::string_view waitingLine;
    for (;;) {
        if (report.empty()) {
            return std::nullopt;  // the rows end with an empty line
        }
        const auto line = takeLine(report);
        if (line.empty() && !waiting) {
            return rows;
        }
        auto rest = line;
        const auto last = takeLastNumber(rest);
        if (!last) {
            return std::nullopt;
        }
        const bool numberAlone = rest.find_first_not_of(' ') == rest.npos;
        if (waiting) {
            if (!numberAlone || *last > waitingLine.size()) {
                return std::nullopt;
            }
            waiting->text = std::string(waitingLine.substr(0, *last));
            rows.push_back(std::move(*waiting));
            waiting.reset();
            continue;
        }
        // A line with one number holds a text (blanks only for the blank fragment)
        // and a count that ran past its column; the length comes on the next line.
        auto beforeCount = rest;
        const auto count = takeLastNumber(beforeCount);
        if (!count) {
            waiting = SortedReportRow{{}, *last};
            waitingLine = line;
        } else if (*last <= line.size()) {
            rows.push_back({std::string(line.substr(0, *last)), *count});
        } else {
            return std::nullopt;
        }
    }
}

}  // namespace undertext::corpus
