#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
#include "recurring_fragments.h"

namespace undertext::echoscan {

// The three reports, in the order they are written.
enum class FragmentReport { ByLength, Alphabetical, ByFrequency };

// The report's file-name suffix after the source's name ("_RecSortByLen.txt", ...).
const char* fragmentReportSuffix(FragmentReport report);

// The report's text (Windows-1251, CR LF): heading with the asked-for range, column
// line, one row per entry and the total. `entries` are RecurringFragments as the
// report's sort left them; the length and frequency reports list them from the
// last to the first. column is ReportColumn, the same for the three reports.
std::string fragmentReportText(FragmentReport report, std::string_view fragmentText,
                               const std::vector<RecurringFragment>& entries, int minLength,
                               int maxLength, int column);

// The two sorts of the reports, leaving entries exactly as their selection
// procedure does. The alphabetical one needs distinct texts, as RecurringFragments
// has; equal counts end in the procedure's own order. O(n log n).
void sortAlphabetically(std::vector<RecurringFragment>& entries, std::string_view fragmentText);
void sortByFrequency(std::vector<RecurringFragment>& entries);

// Writes the three reports of `fragments` (RecurringFragments in search order) to
// folder / (sourceName + suffix): by length, then alphabetical, then by frequency,
// each file whole. Stops at the first file that cannot be written and names it.
Status writeFragmentReports(const std::filesystem::path& folder, std::string_view sourceName,
                            std::string_view fragmentText, std::vector<RecurringFragment> fragments,
                            int minLength, int maxLength);

}  // namespace undertext::echoscan
