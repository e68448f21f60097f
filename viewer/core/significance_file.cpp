#include "viewer/core/significance_file.h"

#include "common/core/text/codepage.h"
#include "viewer/core/tsv_fields.h"

namespace undertext {
namespace {

constexpr std::string_view kHeader = "word\tobserved\texpected\tratio\tz\tp\tq";
enum Field { Word, Observed, Expected, Ratio, Z, P, Q, FieldCount };

// The word and its entry, when the line reads as a row.
std::optional<std::pair<std::string, SignificanceEntry>> row(std::string_view line) {
    const auto fields = tabFields(line);
    if (fields.size() != FieldCount || fields[Word].empty() || !isWholeNumber(fields[Observed]) ||
        !numberCell(fields[Z], false) || !numberCell(fields[P], true)) {
        return std::nullopt;
    }
    auto expected = numberCell(fields[Expected], false);
    auto ratio = numberCell(fields[Ratio], false);
    auto q = numberCell(fields[Q], true);
    if (!expected || !ratio || !q) {
        return std::nullopt;
    }
    return std::pair{utf8ToCp1251(fields[Word]),
                     SignificanceEntry{std::move(*expected), std::move(*ratio), std::move(*q)}};
}

}  // namespace

bool isNonRandom(const NumberCell& q) {
    return q.value && *q.value < kSignificanceLevel;
}

SignificanceReading readSignificanceFile(std::string_view utf8) {
    if (utf8.empty()) {
        return {std::nullopt, 1};
    }
    SignificanceTable table;
    const auto badLine = forEachLine(utf8, [&table](std::string_view line, std::size_t number) {
        if (number == 1) {
            return line == kHeader;
        }
        auto parsed = row(line);
        if (parsed) {
            table.try_emplace(std::move(parsed->first), std::move(parsed->second));
        }
        return parsed.has_value();
    });
    if (badLine != 0) {
        return {std::nullopt, badLine};
    }
    return {std::move(table), 0};
}

}  // namespace undertext
