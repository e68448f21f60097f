#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::corpus {

// A row of a sorted report of Embed or Echoscan: the word or fragment
// (Windows-1251, blanks kept) and its count; its length is the text's.
struct SortedReportRow {
    std::string text;
    std::uint64_t count = 0;

    friend bool operator==(const SortedReportRow&, const SortedReportRow&) = default;
};

// The rows of a sorted report's Windows-1251 text, in file order: the lines from
// the fifth to the first empty one, each the text padded to its column, the count
// and the length; a count that runs past its column puts the length alone on the
// next line. The text is the line's first `length` characters, so a fragment that
// is or ends in a blank keeps it. nullopt when a line does not read so (words and
// fragments hold no digits). Reading does not check the layout: whoever needs a
// report exactly as written compares it with the report made from the rows.
std::optional<std::vector<SortedReportRow>> readSortedReportRows(std::string_view report);

}  // namespace undertext::corpus
