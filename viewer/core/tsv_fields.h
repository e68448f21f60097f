#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace undertext {

// What the viewer's readers of reports and tab-separated data files share.

// Calls visit with each line of text (LF or CR LF ends; the last may lack one) and
// its number from 1, until visit returns false. Returns the number of the line
// that stopped it, or 0 when every line was taken.
std::size_t forEachLine(
    std::string_view text,
    const std::function<bool(std::string_view line, std::size_t number)>& visit);

// The line's fields between tabs.
std::vector<std::string_view> tabFields(std::string_view line);

// A number as a file writes it: its text, and its value (absent for "-", which
// stands for no value where a file allows it).
struct NumberCell {
    std::string text;
    std::optional<double> value;
};

// The cell of text when it is a number in the "C" locale (from_chars: also
// "inf" and "nan"), or "-" when dashAllowed.
std::optional<NumberCell> numberCell(std::string_view text, bool dashAllowed);

// True when text is a whole number of 64 bits without a sign.
bool isWholeNumber(std::string_view text);

}  // namespace undertext
