#include "echoscan/core/fragment_reports.h"

#include <algorithm>
#include <string>

#include "common/core/files/file_io.h"
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
    selectionSort(entries, [](const RecurringFragment& a, const RecurringFragment& b) {
        return a.count > b.count;
    });
}

Status writeFragmentReports(const std::filesystem::path& folder, std::string_view sourceName,
                            std::string_view fragmentText, std::vector<RecurringFragment> fragments,
                            int minLength, int maxLength, const TextEncoder& encoder) {
    std::uint32_t longest = 0;
    for (const auto& fragment : fragments) {
        longest = std::max(longest, fragment.length);
    }
    const int column = reportColumn(static_cast<int>(longest));
    const auto write = [&](FragmentReport report) {
        WholeFileWriter file(folder / (std::string(sourceName) + fragmentReportSuffix(report)),
                             encoder);
        formatFragmentReport(report, fragmentText, fragments, minLength, maxLength, column,
                             [&](std::string_view piece) { file.append(piece); });
        return file.commit();
    };
    if (auto written = write(FragmentReport::ByLength); !written) {
        return written;
    }
    sortAlphabetically(fragments);
    if (auto written = write(FragmentReport::Alphabetical); !written) {
        return written;
    }
    sortByFrequency(fragments);
    return write(FragmentReport::ByFrequency);
}

}  // namespace undertext::echoscan
