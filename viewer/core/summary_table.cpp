#include "viewer/core/summary_table.h"

namespace undertext {
namespace {

constexpr std::string_view kWordsHeader = "word\ttotal\ttexts\tper_million\tdp";
constexpr std::string_view kFragmentsHeader = "fragment\ttotal\ttexts\tlength";
constexpr std::string_view kSignificanceColumns = "\texpected\tratio\tq";

std::string_view firstLine(std::string_view text) {
    auto line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

// The kind of summary the header names, with or without the significance columns.
std::optional<std::pair<SummaryTerms, bool>> headerKind(std::string_view header) {
    const bool significance = header.ends_with(kSignificanceColumns);
    if (significance) {
        header.remove_suffix(kSignificanceColumns.size());
    }
    if (header == kWordsHeader) {
        return std::pair{SummaryTerms::Words, significance};
    }
    if (header == kFragmentsHeader) {
        return std::pair{SummaryTerms::Fragments, significance};
    }
    return std::nullopt;
}

}  // namespace

bool isSummaryHeader(std::string_view start) {
    return headerKind(firstLine(start)).has_value();
}

SummaryReading readSummaryTable(std::string_view utf8) {
    const auto kind = headerKind(firstLine(utf8));
    if (!kind) {
        return {std::nullopt, 1};
    }
    SummaryTable table;
    table.terms = kind->first;
    for (const auto name : tabFields(firstLine(utf8))) {
        table.columns.emplace_back(name);
    }
    const std::size_t numbers = table.columns.size() - 1;
    if (kind->second) {
        table.qColumn = numbers - 1;
    }
    const auto badLine = forEachLine(utf8, [&](std::string_view line, std::size_t number) {
        if (number == 1) {
            return true;
        }
        const auto fields = tabFields(line);
        if (fields.size() != table.columns.size() || fields.front().empty()) {
            return false;
        }
        SummaryRow row{std::string(fields.front()), {}};
        for (std::size_t i = 0; i < numbers; ++i) {
            auto cell = numberCell(fields[i + 1], table.qColumn == i);
            if (!cell) {
                return false;
            }
            row.numbers.push_back(std::move(*cell));
        }
        table.rows.push_back(std::move(row));
        return true;
    });
    if (badLine != 0) {
        return {std::nullopt, badLine};
    }
    return {std::move(table), 0};
}

}  // namespace undertext
