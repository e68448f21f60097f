#include "embed/core/significance/significance_table.h"

#include <charconv>
#include <cmath>

#include "common/core/text/codepage.h"

namespace undertext::embed {
namespace {

// printf's %.{precision}{g|e} in the "C" locale.
std::string formatted(double value, std::chars_format format, int precision) {
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
    return std::string(buffer, end);
}

}  // namespace

std::string fourDigits(double value) {
    return formatted(value, std::chars_format::general, 4);
}

std::string threeDigitsScientific(double value) {
    return formatted(value, std::chars_format::scientific, 2);
}

std::string significanceTsv(const std::vector<SignificanceRow>& rows) {
    std::string tsv = "word\tobserved\texpected\tratio\tz\tp\tq\n";
    const auto cell = [&](const std::string& text) {
        tsv += '\t';
        tsv += text;
    };
    for (const auto& row : rows) {
        tsv += cp1251ToUtf8(row.word);
        cell(std::to_string(row.observed));
        cell(fourDigits(row.expected));
        cell(fourDigits(row.ratio()));
        cell(fourDigits(row.z()));
        cell(row.tested ? threeDigitsScientific(row.p) : "-");
        cell(row.tested ? threeDigitsScientific(row.q) : "-");
        tsv += '\n';
    }
    return tsv;
}

}  // namespace undertext::embed
