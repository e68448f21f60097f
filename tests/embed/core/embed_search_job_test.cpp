#include "embed/core/embed_search_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/embed/core/embed_test_support.h"
#include "tests/support/recording_job.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using testing::cp;
using undertext::testing::RecordingJob;
using undertext::testing::TempFolder;

const char* const kReports[] = {"t.txt_Emb.txt", "t.txt_EmbSortByFriq.txt",
                                "t.txt_EmbSortByLen.txt", "t.txt_EmbSortByAlf.txt"};

// A source folder with t.txt and a start folder with the module M.DIC.
class EmbedJob : public ::testing::Test {
  protected:
    void setUp(const std::string& text, const std::vector<std::string>& words) {
        folder.write("t.txt", cp(text));
        std::string module;
        for (const auto& word : words) {
            module += cp(word) + "\r\n";
        }
        modules.write("M.DIC", module);
    }

    EmbedOutcome run(RecordingJob& job) {
        return embedSearchJob(
            {folder.path(), "t.txt", Language::Russian, {"M.DIC"}, modules.path()}, job,
            [&] { ++refreshes; });
    }

    // Which of the four reports exist, as "1100".
    std::string reportsPresent() const {
        std::string present;
        for (const auto* name : kReports) {
            present += folder.exists(name) ? '1' : '0';
        }
        return present;
    }

    // n dictionary words that occur nowhere.
    static std::vector<std::string> absentWords(int n) {
        return std::vector<std::string>(static_cast<std::size_t>(n), "щщщ");
    }

    TempFolder folder;
    TempFolder modules;
    int refreshes = 0;
};

TEST_F(EmbedJob, ACompletedRunWritesTheFourReportsAndRemovesTheLetterFile) {
    setUp("кот ел", {"котел", "тел", "ел", "кот"});
    RecordingJob job;
    const auto outcome = run(job);
    EXPECT_EQ(outcome.ending, EmbedEnding::Completed);
    EXPECT_EQ(reportsPresent(), "1111");
    EXPECT_FALSE(folder.exists("~$t.txt"));
    EXPECT_EQ(job.progressValues, (std::vector<int>{2, 96, 100}));
    EXPECT_EQ(job.stopPoints, 4 + 1 + 2 + 1);
    EXPECT_EQ(refreshes, 2);
    EXPECT_NE(cp1251ToUtf8(folder.read("t.txt_EmbSortByAlf.txt")).find("котел 1       5 \r\n"),
              std::string::npos);
}

TEST_F(EmbedJob, ProgressStepsOfTheSearchAndTheCappedCounting) {
    // 46 words: a step of 2 words (45 / 30 = 1.5) and 23 steps, up to 48.
    auto words = absentWords(45);
    words.insert(words.begin(), "ана");
    setUp("банана", words);
    RecordingJob job;
    run(job);
    std::vector<int> expected;
    for (int p = 2; p <= 48; p += 2) {
        expected.push_back(p);
    }
    expected.insert(expected.end(), {96, 100});
    EXPECT_EQ(job.progressValues, expected);

    // 45 words reach 92; 14 occurrences count in steps of 1 and stop rising at 100.
    words = absentWords(44);
    words.push_back("а");
    setUp("аааааааааааааа", words);
    RecordingJob capped;
    run(capped);
    expected.clear();
    for (int p = 2; p <= 92; p += 2) {
        expected.push_back(p);
    }
    expected.insert(expected.end(),
                    {94, 96, 98, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 96, 100});
    EXPECT_EQ(capped.progressValues, expected);
    EXPECT_EQ(capped.stopPoints, 45 + 1 + 14 + 1);
}

TEST_F(EmbedJob, AStopLeavesExactlyTheReportsWrittenBeforeIt) {
    setUp("кот ел", {"котел", "тел", "ел", "кот"});
    // Stop points: 1-4 search, 5 after the text-order report, 6-7 counting, 8 after
    // the frequency report.
    const std::pair<long, const char*> cases[] = {
        {3, "0000"}, {5, "1000"}, {7, "1000"}, {8, "1100"}};
    for (const auto& [stopAt, present] : cases) {
        for (const auto* name : kReports) {
            std::filesystem::remove(folder / name);
        }
        RecordingJob job(stopAt);
        EXPECT_EQ(run(job).ending, EmbedEnding::Stopped);
        EXPECT_EQ(reportsPresent(), present) << "stop at " << stopAt;
        EXPECT_EQ(job.progressValues.back(), 0);
        EXPECT_FALSE(folder.exists("~$t.txt"));
    }
}

TEST_F(EmbedJob, NothingFoundWritesOnlyTheTextOrderReportAndKeepsOlderSortedOnes) {
    setUp("....", {"кот"});
    folder.write("t.txt_EmbSortByLen.txt", "older");
    RecordingJob job;
    const auto outcome = run(job);
    EXPECT_EQ(outcome.ending, EmbedEnding::NothingFound);
    EXPECT_EQ(outcome.message, kNothingFoundMessage);
    EXPECT_EQ(folder.read("t.txt_Emb.txt"),
              std::string(14, ' ') + "\r\n" + std::string(14, ' ') + "\r\n");
    EXPECT_EQ(folder.read("t.txt_EmbSortByLen.txt"), "older");
    EXPECT_EQ(job.progressValues, std::vector<int>{2});
}

TEST_F(EmbedJob, RefusalsAndFailuresNameTheFileAndLeaveNoLetterFile) {
    setUp("abc", {"кот"});
    RecordingJob job;
    EXPECT_EQ(run(job).ending, EmbedEnding::TextTooShort);
    EXPECT_TRUE(job.progressValues.empty());
    EXPECT_EQ(reportsPresent(), "0000");

    setUp("кот ел", {"котел"});
    const auto missingModule = embedSearchJob(
        {folder.path(), "t.txt", Language::Russian, {"GONE.DIC"}, modules.path()}, job, [] {});
    EXPECT_EQ(missingModule.ending, EmbedEnding::Failed);
    EXPECT_NE(missingModule.message.find("GONE.DIC"), std::string::npos);
    EXPECT_FALSE(folder.exists("~$t.txt"));

    const auto missingSource = embedSearchJob(
        {folder.path(), "none.txt", Language::Russian, {"M.DIC"}, modules.path()}, job, [] {});
    EXPECT_EQ(missingSource.ending, EmbedEnding::Failed);
    EXPECT_NE(missingSource.message.find("none.txt"), std::string::npos);

    // A report that cannot be written fails the run; the reports before it stay whole.
    std::filesystem::create_directory(folder / "t.txt_EmbSortByLen.txt");
    const auto blocked = run(job);
    EXPECT_EQ(blocked.ending, EmbedEnding::Failed);
    EXPECT_NE(blocked.message.find("t.txt_EmbSortByLen.txt"), std::string::npos);
    EXPECT_EQ(reportsPresent(), "1110");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              4);  // the text, two reports and the blocking folder: no temporary file
}

}  // namespace
}  // namespace undertext::embed
