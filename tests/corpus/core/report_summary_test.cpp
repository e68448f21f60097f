#include "corpus/core/report_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/core/dictionary/dictionary.h"
#include "common/core/files/file_io.h"
#include "common/core/text/codepage.h"
#include "corpus/core/echoscan_summary.h"
#include "corpus/core/embed_summary.h"
#include "corpus/core/sorted_report_rows.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"
#include "embed/core/embed_job.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "testing/support/source_encodings.h"
#include "testing/support/temp_folder.h"

namespace undertext::corpus {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

DecodedText decodedFile(const std::filesystem::path& path) {
    return decodeText(readWholeFile(path).value());
}

template <typename Summary>
std::string tablesOf(Summary& summary) {
    std::string text;
    summary.produceSummary([&](std::string_view piece) { text += piece; });
    summary.produceByText([&](std::string_view piece) { text += piece; });
    return text;
}

// Texts in three encodings run one by one, as machines that share their folder
// would, with the module M.DIC; the third holds no word of it.
class ReportsBesideTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        modules.write("M.DIC", cp("кот\r\nтел\r\nел\r\nмыл\r\nама\r\nла\r\nам\r\n"));
        const std::pair<const char*, SourceEncoding> texts[] = {
            {"Кот ел, мама мыла раму. Котел тела, мама!\r\n", testing::kWin},
            {"Мама мыла раму, а кот ел.\r\n", testing::kUtf8Bom},
            {"Щщщ, щщщ.\r\n", testing::kUtf16Le}};
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            paths.push_back(
                folder.write("t" + std::to_string(i) + ".txt",
                             TextEncoder(texts[i].second).encodeFile(cp(texts[i].first))));
        }
    }

    void runEmbed() const {
        for (const auto& path : paths) {
            UnwatchedJob job;
            embed::embedJob({folder.path(),
                             path.filename().string(),
                             Language::Russian,
                             {"M.DIC"},
                             modules.path(),
                             nullptr,
                             {},
                             {}},
                            job);
        }
    }

    void runEchoscan(const char* minLength) const {
        for (const auto& path : paths) {
            UnwatchedJob job;
            echoscan::echoscanJob({path.filename().string(),
                                   folder.path(),
                                   Language::Russian,
                                   minLength,
                                   "40",
                                   nullptr,
                                   {}},
                                  job);
        }
    }

    // The record an in-process run takes from the search of the text.
    EmbedTextRecord embedRecord(const std::filesystem::path& path) const {
        const auto words = loadDicWords(modules.path(), {"M.DIC"}).value();
        const auto prepared = embed::prepareLetters(decodedFile(path).cp1251, Language::Russian);
        return {displayPath(path), prepared.letterCount(),
                embed::EmbeddedSearch(prepared, words).embeddedWords()};
    }

    EchoscanTextRecord echoscanRecord(const std::filesystem::path& path, int minLength) const {
        const auto text =
            echoscan::prepareFragmentText(decodedFile(path).cp1251, Language::Russian);
        UnwatchedJob job;
        return echoscanTextRecord(
            displayPath(path), text,
            echoscan::findRecurringFragments(text, minLength, 40, job).value());
    }

    testing::TempFolder folder, modules;
    std::vector<std::filesystem::path> paths;
};

std::vector<embed::EmbeddedWord> sorted(std::vector<embed::EmbeddedWord> words) {
    std::sort(words.begin(), words.end(),
              [](const auto& a, const auto& b) { return a.word < b.word; });
    return words;
}

std::vector<FragmentCount> sorted(std::vector<FragmentCount> fragments) {
    std::sort(fragments.begin(), fragments.end(),
              [](const auto& a, const auto& b) { return a.fragment < b.fragment; });
    return fragments;
}

TEST_F(ReportsBesideTexts, EmbedRecordsAndSummaryAreThoseOfTheRunItself) {
    runEmbed();
    EmbedSummary inProcess, combined;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const auto expected = embedRecord(paths[i]);
        const auto read = embedRecordFromReports(paths[i], std::nullopt, std::nullopt);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read->text, expected.text);
        EXPECT_EQ(read->letterCount, expected.letterCount);
        EXPECT_EQ(sorted(read->words), sorted(expected.words)) << i;
        inProcess.add(i, expected);
        combined.add(i, read.value());
    }
    EXPECT_TRUE(embedRecordFromReports(paths[2], Language::Russian, {})->words.empty());
    EXPECT_EQ(tablesOf(combined), tablesOf(inProcess));
}

// Texts read by their runs in a forced 8-bit encoding: their reports, written in
// it, tell the encoding without one being forced again, where detecting it on so
// short a text gets it wrong.
TEST_F(ReportsBesideTexts, ATextIsReadInTheEightBitEncodingItsReportsAreWrittenIn) {
    const std::pair<SourceEncoding, const char*> texts[] = {
        {testing::kKoi8, "Котел тела, мама!\r\n"}, {testing::kCp866, "Ела мама.\r\n"}};
    for (const auto& [encoding, utf8] : texts) {
        const auto text = cp(utf8);
        const auto path = folder.write("forced.txt", TextEncoder(encoding).encodeFile(text));
        ASSERT_NE(decodedFile(path).encoding.encoding, encoding.encoding) << utf8;
        UnwatchedJob job;
        embed::EmbedRequest request;
        request.sourceFolder = folder.path();
        request.sourceName = "forced.txt";
        request.selectedModules = {"M.DIC"};
        request.startFolder = modules.path();
        request.encoding = encoding.encoding;
        ASSERT_EQ(embed::embedJob(request, job).ending, JobEnding::Completed);

        const auto read = embedRecordFromReports(path, std::nullopt, std::nullopt);
        ASSERT_TRUE(read) << read.error();
        const auto words = loadDicWords(modules.path(), {"M.DIC"}).value();
        const auto prepared = embed::prepareLetters(text, Language::Russian);
        EXPECT_EQ(read->letterCount, prepared.letterCount());
        EXPECT_EQ(sorted(read->words),
                  sorted(embed::EmbeddedSearch(prepared, words).embeddedWords()));
    }
}

TEST_F(ReportsBesideTexts, EchoscanRecordsAndSummaryAreThoseOfTheRunItself) {
    runEchoscan("1");  // the blank is a fragment of its own
    EchoscanSummary inProcess, combined;
    for (std::size_t i = 0; i < 2; ++i) {
        const auto expected = echoscanRecord(paths[i], 1);
        const auto read = echoscanRecordFromReports(paths[i], 1, 40, std::nullopt);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read->text, expected.text);
        EXPECT_EQ(sorted(read->fragments), sorted(expected.fragments)) << i;
        EXPECT_TRUE(std::any_of(expected.fragments.begin(), expected.fragments.end(),
                                [](const auto& f) { return f.fragment == " "; }));
        inProcess.add(i, expected);
        combined.add(i, read.value());
    }
    EXPECT_EQ(tablesOf(combined), tablesOf(inProcess));
}

TEST_F(ReportsBesideTexts, ReportsOfAnotherRunOrTextOrNoneAreNamed) {
    runEmbed();
    runEchoscan("4");
    const auto report = [&](std::size_t text, const char* suffix) {
        return displayPath(folder / (paths[text].filename().string() + suffix));
    };
    const auto frequency = embed::kByFrequencySuffix;
    const auto fragments = echoscan::fragmentReportSuffix(echoscan::FragmentReport::ByFrequency);

    // The text has changed since its run: its word count no longer matches.
    folder.write("t0.txt", folder.read("t0.txt") + cp("кот, кот."));
    // A report cut short.
    const auto cut = folder.read("t1.txt" + std::string(frequency));
    folder.write("t1.txt" + std::string(frequency), cut.substr(0, cut.find("\r\n\r\n") + 4));
    folder.write("never-run.txt", cp("Мама мыла раму.\r\n"));
    const std::pair<std::string, std::string> embedCases[] = {
        {displayPath(paths[0]),
         report(0, frequency) +
             " does not match the text as this version reports it (made from another text or "
             "by another version, or changed)"},
        {displayPath(paths[1]),
         report(1, frequency) + " is not a frequency report of this program"},
        {displayPath(folder / "never-run.txt"),
         "no report " + displayPath(folder / ("never-run.txt" + std::string(frequency))) +
             " beside the text (run undertext embed on it first)"},
        {displayPath(folder / "absent.txt"), "Не удалось прочитать файл \"" +
                                                 displayPath(folder / "absent.txt") +
                                                 "\". Файл или папка не найдены."}};
    for (const auto& [text, message] : embedCases) {
        const auto read = embedRecordFromReports(text, Language::Russian, std::nullopt);
        ASSERT_FALSE(read) << text;
        EXPECT_EQ(read.error(), message);
    }
    const auto otherRange = echoscanRecordFromReports(paths[1], 2, 40, std::nullopt);
    ASSERT_FALSE(otherRange);
    EXPECT_EQ(otherRange.error(), report(1, fragments) + " is not a report of the range 2 to 40");
    EXPECT_TRUE(echoscanRecordFromReports(paths[1], 4, 40, std::nullopt));
}

// Rows whose count runs past its column put the length on the next line; the
// blank fragment is a row of its own.
TEST(SortedReportRows, ReadBackFromTheReportsMadeOfThem) {
    const std::string fragments = cp("мама мыла  ");
    const std::vector<echoscan::RecurringFragment> entries = {{0, 10, 12345678, 0}, {10, 1, 3, 0}};
    const auto echoscanReport = echoscan::fragmentReportText(echoscan::FragmentReport::ByFrequency,
                                                             fragments, entries, 1, 40, 11);
    EXPECT_EQ(readSortedReportRows(echoscanReport),
              (std::vector<SortedReportRow>{{" ", 3}, {cp("мама мыла "), 12345678}}));

    const std::vector<embed::EmbeddedWord> words = {{cp("кот"), 1234567, 3}, {cp("ел"), 2, 2}};
    const auto embedReport = embed::sortedReportText(embed::SortedReport::ByFrequency, words,
                                                     embed::embedTotals(words, 10));
    EXPECT_EQ(readSortedReportRows(embedReport),
              (std::vector<SortedReportRow>{{cp("кот"), 1234567}, {cp("ел"), 2}}));

    for (const std::string& broken :
         {std::string(), embedReport.substr(0, embedReport.find(cp("ел"))),
          cp("h\r\n\r\nc\r\n\r\nкот  x  3\r\n\r\n"), cp("h\r\n\r\nc\r\n\r\nкот  2  12\r\n\r\n")}) {
        EXPECT_FALSE(readSortedReportRows(broken)) << cp1251ToUtf8(broken);
    }
}

}  // namespace
}  // namespace undertext::corpus
