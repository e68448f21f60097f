#include "viewer/core/significance_file.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

constexpr std::string_view kHeader = "word\tobserved\texpected\tratio\tz\tp\tq";
constexpr std::size_t kFieldCount = 7;
enum Field { Word, Observed, Expected, Ratio, Z, P, Q };
constexpr std::string_view kUntested = "-";

std::optional<double> number(std::string_view text) {
    double value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool isWholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// The line's fields when it has exactly kFieldCount.
std::optional<std::array<std::string_view, kFieldCount>> fields(std::string_view line) {
    std::array<std::string_view, kFieldCount> split;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto tab = line.find('\t');
        if ((tab == line.npos) != (i + 1 == kFieldCount)) {
            return std::nullopt;
        }
        split[i] = line.substr(0, tab);
        line.remove_prefix(tab == line.npos ? line.size() : tab + 1);
    }
    return split;
}

std::optional<SignificanceCell> cell(std::string_view text, bool untestedAllowed) {
    if (untestedAllowed && text == kUntested) {
        return SignificanceCell{std::string(text), std::nullopt};
    }
    const auto value = number(text);
    if (!value) {
        return std::nullopt;
    }
    return SignificanceCell{std::string(text), value};
}

// The word and its entry, when the line reads as a row.
std::optional<std::pair<std::string, SignificanceEntry>> row(std::string_view line) {
    const auto split = fields(line);
    if (!split || (*split)[Word].empty() || !isWholeNumber((*split)[Observed]) ||
        !number((*split)[Z]) || !cell((*split)[P], true)) {
        return std::nullopt;
    }
    auto expected = cell((*split)[Expected], false);
    auto ratio = cell((*split)[Ratio], false);
    auto q = cell((*split)[Q], true);
    if (!expected || !ratio || !q) {
        return std::nullopt;
    }
    return std::pair{utf8ToCp1251((*split)[Word]),
                     SignificanceEntry{std::move(*expected), std::move(*ratio), std::move(*q)}};
}

}  // namespace

bool isNonRandom(const SignificanceEntry& entry) {
    return entry.q.value && *entry.q.value < kSignificanceLevel;
}

SignificanceReading readSignificanceFile(std::string_view utf8) {
    SignificanceTable table;
    std::size_t lineNumber = 0;
    while (!utf8.empty()) {
        const auto end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == utf8.npos ? utf8.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kHeader) {
                return {std::nullopt, lineNumber};
            }
            continue;
        }
        auto parsed = row(line);
        if (!parsed) {
            return {std::nullopt, lineNumber};
        }
        table.try_emplace(std::move(parsed->first), std::move(parsed->second));
    }
    if (lineNumber == 0) {
        return {std::nullopt, 1};
    }
    return {std::move(table), 0};
}

}  // namespace undertext
