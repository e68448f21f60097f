#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/files/report_set_writer.h"
#include "common/core/text/text_encoding.h"
#include "echoscan/core/recurring_fragments.h"

namespace undertext::echoscan {

// The three reports, in the order they are written.
enum class FragmentReport { ByLength, Alphabetical, ByFrequency };

// The report's file-name suffix after the source's name ("_RecSortByLen.txt", ...).
const char* fragmentReportSuffix(FragmentReport report);

// The report's text (Windows-1251, CR LF): heading with the asked-for range, column
// line, one row per entry and the total. `entries` are RecurringFragments as the
// report's sort left them; the length and frequency reports list them from the
// last to the first. column is ReportColumn, the same for the three reports.
// The text is handed to `piece` in order, in pieces of whole lines of about 64 KB
// formatted in one reused buffer.
void formatFragmentReport(FragmentReport report, std::string_view fragmentText,
                          const std::vector<RecurringFragment>& entries, int minLength,
                          int maxLength, int column,
                          const std::function<void(std::string_view)>& piece);
// The same text whole.
std::string fragmentReportText(FragmentReport report, std::string_view fragmentText,
                               const std::vector<RecurringFragment>& entries, int minLength,
                               int maxLength, int column);

// The two sorts of the reports, leaving entries exactly as their selection
// procedure does. The alphabetical one takes fragments of one search, whose texts
// are distinct, and orders them by suffix rank and length; equal counts end in the
// procedure's own order. O(n log n).
void sortAlphabetically(std::vector<RecurringFragment>& entries);
void sortByFrequency(std::vector<RecurringFragment>& entries);

// The bytes of the three reports' files in the encoder's encoding, computed before
// they are written (the rows are the same in all three, only the headings differ).
std::uint64_t fragmentReportsSize(std::string_view fragmentText,
                                  const std::vector<RecurringFragment>& fragments, int minLength,
                                  int maxLength, const TextEncoder& encoder = TextEncoder());

// Adds the three reports of `fragments` (RecurringFragments in search order) to
// set, as folder / (sourceName + suffix): by length, then alphabetical, then by
// frequency, each handed over in pieces. The set puts them in place together; a
// stop requested while writing ends the adding early. The encoder gives the files
// the source's encoding.
void writeFragmentReports(ReportSetWriter& set, const std::filesystem::path& folder,
                          std::string_view sourceName, std::string_view fragmentText,
                          std::vector<RecurringFragment> fragments, int minLength, int maxLength,
                          const TextEncoder& encoder = TextEncoder());

}  // namespace undertext::echoscan
