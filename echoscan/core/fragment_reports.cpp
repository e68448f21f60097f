#include "echoscan/core/fragment_reports.h"

#include <algorithm>
#include <string>

#include "common/core/files/encoded_size.h"
#include "common/core/report/number_text.h"
#include "common/core/report/report_text.h"
#include "common/core/report/selection_sort.h"
#include "common/core/text/codepage.h"

namespace undertext::echoscan {
namespace {

std::string headingOf(FragmentReport report) {
    switch (report) {
        case FragmentReport::ByLength:
            return "  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от";
        case FragmentReport::Alphabetical:
            return "     СОРТИРОВКА ПО АЛФАВИТУ  интервал поиска от";
        case FragmentReport::ByFrequency:
            return "    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ  интервал поиска от";
    }
    return {};
}

// The column of the counts, the same in the three reports: past the longest
// fragment.
int fragmentReportColumn(const std::vector<RecurringFragment>& fragments) {
    std::uint32_t longest = 0;
    for (const auto& fragment : fragments) {
        longest = std::max(longest, fragment.length);
    }
    return reportColumn(static_cast<int>(longest));
}

// The Windows-1251 bytes of a row besides its fragment, as formatFragmentReport
// lays it out: blanks up to the column (the fragment never reaches it), the
// count, blanks up to the column 8 further on (or, past it, a new line with as
// many blanks), the length and CR LF.
std::uint64_t rowFrameBytes(const RecurringFragment& entry, int column) {
    const std::uint64_t countDigits = numberText(entry.count).size();
    std::uint64_t bytes = static_cast<std::uint64_t>(column - 1) - entry.length + countDigits;
    bytes += countDigits <= 8 ? 8 - countDigits : 2 + static_cast<std::uint64_t>(column) + 7;
    return bytes + numberText(entry.length).size() + 2;
}

}  // namespace

const char* fragmentReportSuffix(FragmentReport report) {
    switch (report) {
        case FragmentReport::ByLength:
            return "_RecSortByLen.txt";
        case FragmentReport::Alphabetical:
            return "_RecSortByAlf.txt";
        case FragmentReport::ByFrequency:
            return "_RecSortByFriq.txt";
    }
    return "";
}

void formatFragmentReport(FragmentReport report, std::string_view fragmentText,
                          const std::vector<RecurringFragment>& entries, int minLength,
                          int maxLength, int column,
                          const std::function<void(std::string_view)>& piece) {
    constexpr std::size_t kPieceSize = 64 * 1024;
    ReportText out;
    out.append(utf8ToCp1251(headingOf(report)))
        .append(numberText(minLength))
        .append(utf8ToCp1251(" до"))
        .append(numberText(maxLength))
        .append(utf8ToCp1251(" символов."))
        .endLine()
        .endLine();
    out.append(utf8ToCp1251("Фраза"))
        .padToColumn(column)
        .append(utf8ToCp1251(" Кол-во"))
        .padToColumn(column + 8)
        .append(utf8ToCp1251(" Длина"))
        .endLine()
        .endLine();
    const auto row = [&](const RecurringFragment& entry) {
        out.append(entry.text(fragmentText))
            .padToColumn(column)
            .append(numberText(entry.count))
            .padToColumn(column + 8)
            .append(numberText(entry.length))
            .endLine();
        if (out.text().size() >= kPieceSize) {
            piece(out.text());
            out.clear();
        }
    };
    if (report == FragmentReport::Alphabetical) {
        std::for_each(entries.begin(), entries.end(), row);
    } else {
        std::for_each(entries.rbegin(), entries.rend(), row);
    }
    out.endLine()
        .append(utf8ToCp1251("Всего повторяющихся фрагментов: "))
        .append(numberText(static_cast<std::int64_t>(entries.size())))
        .endLine();
    piece(out.text());
}

std::string fragmentReportText(FragmentReport report, std::string_view fragmentText,
                               const std::vector<RecurringFragment>& entries, int minLength,
                               int maxLength, int column) {
    std::string text;
    formatFragmentReport(report, fragmentText, entries, minLength, maxLength, column,
                         [&](std::string_view piece) { text.append(piece); });
    return text;
}

void sortAlphabetically(std::vector<RecurringFragment>& entries) {
    std::sort(
        entries.begin(), entries.end(), [](const RecurringFragment& a, const RecurringFragment& b) {
            return a.firstRank != b.firstRank ? a.firstRank < b.firstRank : a.length < b.length;
        });
}

void sortByFrequency(std::vector<RecurringFragment>& entries) {
    selectionSortByKey(entries, [](const RecurringFragment& fragment) { return fragment.count; });
}

std::uint64_t fragmentReportsSize(std::string_view fragmentText,
                                  const std::vector<RecurringFragment>& fragments, int minLength,
                                  int maxLength, const TextEncoder& encoder) {
    const EncodedSize encoded(encoder);
    const int column = fragmentReportColumn(fragments);
    // The rows, the same in the three reports: the fragments and what surrounds
    // them (blanks, digits and line ends, all of one width in any encoding).
    const auto blank = encoded.of(" ");
    std::uint64_t rows = 0;
    for (const auto& entry : fragments) {
        rows += encoded.of(entry.text(fragmentText)) + rowFrameBytes(entry, column) * blank;
    }
    std::uint64_t total = 0;
    const std::vector<RecurringFragment> none;
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        // The heading and the total line: a report without rows, with the real total.
        std::uint64_t frame = encoded.preamble();
        formatFragmentReport(report, fragmentText, none, minLength, maxLength, column,
                             [&](std::string_view piece) { frame += encoded.of(piece); });
        const auto totalDigits = numberText(static_cast<std::int64_t>(fragments.size())).size();
        total += frame + rows + (totalDigits - numberText(0).size()) * blank;
    }
    return total;
}

void writeFragmentReports(ReportSetWriter& set, const std::filesystem::path& folder,
                          std::string_view sourceName, std::string_view fragmentText,
                          std::vector<RecurringFragment> fragments, int minLength, int maxLength,
                          const TextEncoder& encoder) {
    const auto path = [&](FragmentReport report) {
        return folder / (std::string(sourceName) + fragmentReportSuffix(report));
    };
    const int column = fragmentReportColumn(fragments);
    const auto write = [&](FragmentReport report) {
        auto& file = set.add(path(report), encoder);
        formatFragmentReport(report, fragmentText, fragments, minLength, maxLength, column,
                             [&](std::string_view piece) { set.append(file, piece); });
    };
    write(FragmentReport::ByLength);
    if (set.stopped()) {
        return;
    }
    sortAlphabetically(fragments);
    write(FragmentReport::Alphabetical);
    if (set.stopped()) {
        return;
    }
    sortByFrequency(fragments);
    write(FragmentReport::ByFrequency);
}

}  // namespace undertext::echoscan
