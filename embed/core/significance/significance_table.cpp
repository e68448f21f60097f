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

std::string fourDigits(double value) {
    return formatted(value, std::chars_format::general, 4);
}

std::string threeDigitsScientific(double value) {
    return formatted(value, std::chars_format::scientific, 2);
}

}  // namespace

std::string significanceTsv(const std::vector<SignificanceRow>& rows) {
    std::string tsv = "word\tobserved\texpected\tratio\tz\tp\tq\n";
    for (const auto& row : rows) {
        tsv += cp1251ToUtf8(row.word);
        tsv += '\t' + std::to_string(row.observed);
        tsv += '\t' + fourDigits(row.expected);
        tsv += '\t' + fourDigits(row.ratio());
        tsv += '\t' + fourDigits(row.z());
        tsv += '\t' + (row.tested ? threeDigitsScientific(row.p) : std::string("-"));
        tsv += '\t' + (row.tested ? threeDigitsScientific(row.q) : std::string("-"));
        tsv += '\n';
    }
    return tsv;
}

}  // namespace undertext::embed
