#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "viewer/core/tsv_fields.h"

namespace undertext {

// Embed's significance file as the report viewer reads it beside a frequency
// report: UTF-8, tab-separated, the header line
//   word observed expected ratio z p q
// then one line per word found. The viewer shows expected, ratio and q.

// The numbers of a word as the file writes them; p and q of an untested word
// have no value ("-").
struct SignificanceEntry {
    NumberCell expected;
    NumberCell ratio;
    NumberCell q;
};

// Below this q a word is taken to be there not by chance.
inline constexpr double kSignificanceLevel = 0.05;

// True when q has a value (the word was tested) below kSignificanceLevel.
bool isNonRandom(const NumberCell& q);

// The entries by word (Windows-1251, as the reports hold words); a word written
// twice keeps its first line.
using SignificanceTable = std::unordered_map<std::string, SignificanceEntry>;

// The table, or the number (from 1) of the first line that does not read as the
// file's: a header other than the one above, a line without its seven fields, a
// field that is not a number ("-" is taken for p and q, "inf" and "nan" for
// any). Line ends may be LF or CR LF; the last line may lack its end.
struct SignificanceReading {
    std::optional<SignificanceTable> table;
    std::size_t badLine = 0;
};
SignificanceReading readSignificanceFile(std::string_view utf8);

}  // namespace undertext
