#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace undertext {

// Embed's significance file as the report viewer reads it beside a frequency
// report: UTF-8, tab-separated, the header line
//   word observed expected ratio z p q
// then one line per word found. The viewer shows expected, ratio and q.

// A number of the file: its text as written, and its value (absent for the "-"
// of an untested word).
struct SignificanceCell {
    std::string text;
    std::optional<double> value;
};

struct SignificanceEntry {
    SignificanceCell expected;
    SignificanceCell ratio;
    SignificanceCell q;
};

// Below this q a word is taken to be there not by chance.
inline constexpr double kSignificanceLevel = 0.05;

// True when the word was tested and its q is below kSignificanceLevel.
bool isNonRandom(const SignificanceEntry& entry);

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
