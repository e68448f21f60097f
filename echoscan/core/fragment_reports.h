#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
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

// Writes the three reports of `fragments` (RecurringFragments in search order) to
// folder / (sourceName + suffix): by length, then alphabetical, then by frequency,
// each written in pieces and put in place only when whole. Stops at the first file that cannot be
// written and names it. The encoder gives the files the source's encoding.
Status writeFragmentReports(const std::filesystem::path& folder, std::string_view sourceName,
                            std::string_view fragmentText, std::vector<RecurringFragment> fragments,
                            int minLength, int maxLength,
                            const TextEncoder& encoder = TextEncoder());

}  // namespace undertext::echoscan
