#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/core/tsv_fields.h"

namespace undertext {

// A corpus summary as the viewer reads it: UTF-8, tab-separated, a header line,
// then one row per word or fragment. Embed's has the columns
//   word total texts per_million dp
// Echoscan's (within texts or across them)
//   fragment total texts length
// and either may go on with the significance columns "expected ratio q".

enum class SummaryTerms { Words, Fragments };

struct SummaryRow {
    std::string term;                 // UTF-8, blanks kept
    std::vector<NumberCell> numbers;  // the columns after the first
};

struct SummaryTable {
    SummaryTerms terms = SummaryTerms::Words;
    std::vector<std::string> columns;  // the header's names, the term's first
    std::vector<SummaryRow> rows;      // in the file's order
    // The index among numbers of the q column, when there is one.
    std::optional<std::size_t> qColumn;
};

// True when the file's first line is a summary's header.
bool isSummaryHeader(std::string_view start);

// The table, or the number (from 1) of the first line that does not read: a
// header of neither kind, a row with another number of fields, an empty term, a
// number column that does not hold a number ("-" is taken for q).
struct SummaryReading {
    std::optional<SummaryTable> table;
    std::size_t badLine = 0;
};
SummaryReading readSummaryTable(std::string_view utf8);

}  // namespace undertext
