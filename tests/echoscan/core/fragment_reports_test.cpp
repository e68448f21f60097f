#include "echoscan/core/fragment_reports.h"

#include <gtest/gtest.h>

#include <random>

#include "common/core/report/number_text.h"
#include "testing/literal/fragment_search.h"
#include "testing/literal/selection_sort.h"
#include "testing/support/temp_folder.h"
#include "testing/support/test_data.h"

namespace undertext::echoscan {
namespace {

TEST(FragmentReports, EmptyReportAndColumns) {
    EXPECT_EQ(fragmentReportText(FragmentReport::ByFrequency, "", {}, 4, 40, 6),
              testing::testData("echoscan/core/fragment_reports/by_frequency_empty.txt"));
    // C = 10 for a longest fragment of 9; a trailing blank meets the count's blank;
    // a count of ten million pushes the length to column C + 8 of the next line.
    EXPECT_EQ(fragmentReportText(FragmentReport::Alphabetical, "abcdefgh xyz",
                                 {{9, 2, 12345678}, {0, 9, 2}}, 2, 9, 10),
              testing::testData("echoscan/core/fragment_reports/alphabetical_wide_column.txt"));
}

TEST(FragmentReports, SortsReplayTheLiteralSelectionProcedure) {
    std::mt19937 random(5);
    const auto byCount = [](const auto& a, const auto& b) { return a.count > b.count; };
    for (int round = 0; round < 300; ++round) {
        // Fragments of one search, found in every range of a text with blanks at
        // either end, many prefixes of one another and counts that often tie.
        std::string text;
        for (std::size_t i = 0, size = 4 + random() % 60; i < size; ++i) {
            text.push_back(" ab"[random() % 3]);
        }
        const int minLength = 1 + static_cast<int>(random() % 3);
        UnwatchedJob job;
        auto entries = *findRecurringFragments(text, minLength,
                                               minLength + static_cast<int>(random() % 40), job);
        std::shuffle(entries.begin(), entries.end(), random);
        auto expected = entries;
        testing::literalSelectionSort(
            expected, [&](const auto& a, const auto& b) { return a.text(text) > b.text(text); });
        sortAlphabetically(entries);
        ASSERT_EQ(entries, expected) << text;
        std::shuffle(entries.begin(), entries.end(), random);  // ties in any order
        expected = entries;
        testing::literalSelectionSort(expected, byCount);
        sortByFrequency(entries);
        ASSERT_EQ(entries, expected);
    }
}

// Reports far larger than one piece: each file holds the whole text, as the
// report text gives it.
TEST(FragmentReports, StreamedFilesHoldTheWholeText) {
    testing::TempFolder folder;
    std::mt19937 random(8);
    std::string text;
    for (int i = 0; i < 60000; ++i) {
        text.push_back("abcd "[random() % 5]);
    }
    UnwatchedJob job;
    auto fragments = *findRecurringFragments(text, 3, 12, job);
    ASSERT_GT(fragments.size(), 20000U);
    ReportSetWriter set;
    writeFragmentReports(set, folder.path(), "t.txt", text, fragments, 3, 12);
    ASSERT_TRUE(set.commit());
    std::uint32_t longest = 0;
    for (const auto& fragment : fragments) {
        longest = std::max(longest, fragment.length);
    }
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        if (report == FragmentReport::Alphabetical) {
            sortAlphabetically(fragments);
        } else if (report == FragmentReport::ByFrequency) {
            sortByFrequency(fragments);
        }
        ASSERT_EQ(folder.read(std::string("t.txt") + fragmentReportSuffix(report)),
                  fragmentReportText(report, text, fragments, 3, 12,
                                     reportColumn(static_cast<int>(longest))));
    }
}

// The size computed before writing is the size of the three files written, in
// every encoding a report may take.
TEST(FragmentReports, SizeIsKnownBeforeWriting) {
    std::mt19937 random(3);
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text.push_back("\xE0\xE1\xE2 "[random() % 4]);  // Cyrillic letters and blanks
    }
    UnwatchedJob job;
    const auto fragments = *findRecurringFragments(text, 2, 30, job);
    for (const SourceEncoding encoding :
         {SourceEncoding{}, SourceEncoding{TextEncoding::Utf8, true},
          SourceEncoding{TextEncoding::Utf8, false}, SourceEncoding{TextEncoding::Utf16Le, true},
          SourceEncoding{TextEncoding::Utf16Be, true}}) {
        testing::TempFolder folder;
        const TextEncoder encoder(encoding);
        ReportSetWriter set;
        writeFragmentReports(set, folder.path(), "t.txt", text, fragments, 2, 30, encoder);
        ASSERT_TRUE(set.commit());
        std::uint64_t written = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            written += entry.file_size();
        }
        EXPECT_EQ(fragmentReportsSize(text, fragments, 2, 30, encoder), written)
            << static_cast<int>(encoding.encoding);
    }
}

}  // namespace
}  // namespace undertext::echoscan
