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

    EmbedOutcome run(RecordingJob& job, const char* source = "t.txt", const char* dic = "M.DIC") {
        return embedSearchJob({folder.path(), source, Language::Russian, {dic}, modules.path()},
                              job, [&] { ++refreshes; });
    }

    // Which of the four reports exist, as "1100"; removes them for the next run.
    std::string takeReports() const {
        std::string present;
        for (const auto* suffix :
             {"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt", "_EmbSortByAlf.txt"}) {
            present +=
                std::filesystem::remove(folder / (std::string("t.txt") + suffix)) ? '1' : '0';
        }
        return present;
    }

    // 2, 4, ... up to last, then the closing values.
    static std::vector<int> rising(int last, std::vector<int> closing) {
        std::vector<int> values;
        for (int p = 2; p <= last; p += 2) {
            values.push_back(p);
        }
        values.insert(values.end(), closing.begin(), closing.end());
        return values;
    }

    undertext::testing::TempFolder folder, modules;
    int refreshes = 0;
};

TEST_F(EmbedJob, EachStopPointLeavesExactlyTheReportsWrittenBeforeIt) {
    setUp("кот ел", {"котел", "тел", "ел", "кот"});
    // Stop points 1-4 after the dictionary words, 5 after the text-order report,
    // 6-7 counting the two occurrences, 8 after the frequency report.
    const struct {
        long stopAt;
        const char* reports;
        int refreshes;
    } cases[] = {{0, "1111", 2}, {3, "0000", 0}, {5, "1000", 0}, {7, "1000", 1}, {8, "1100", 1}};
    for (const auto& c : cases) {
        refreshes = 0;
        RecordingJob job(c.stopAt);
        EXPECT_EQ(run(job).ending, c.stopAt ? EmbedEnding::Stopped : EmbedEnding::Completed);
        EXPECT_EQ(takeReports(), c.reports) << c.stopAt;
        EXPECT_EQ(job.stopPoints, c.stopAt ? c.stopAt : 8);
        const auto progress = c.stopAt ? std::vector<int>{2, 0} : rising(2, {96, 100});
        EXPECT_EQ(job.progressValues, progress);
        EXPECT_EQ(refreshes, c.refreshes) << c.stopAt;
        EXPECT_FALSE(folder.exists("~$t.txt"));
    }
}

TEST_F(EmbedJob, ProgressStepsOfTheSearchAndTheCappedCounting) {
    // 46 words: a step of 2 words (45 / 30 = 1.5 rounds to 2), up to 48.
    std::vector<std::string> words(45, "щщщ");
    words.insert(words.begin(), "ана");
    setUp("банана", words);
    RecordingJob job;
    run(job);
    EXPECT_EQ(job.progressValues, rising(48, {96, 100}));

    // 45 words reach 92; 14 occurrences count in steps of 1 and stop at 100.
    words.back() = "а";
    words.erase(words.begin());
    setUp("аааааааааааааа", words);
    RecordingJob capped;
    run(capped);
    EXPECT_EQ(capped.progressValues,
              rising(100, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 96, 100}));
    EXPECT_EQ(capped.stopPoints, 45 + 1 + 14 + 1);
}

TEST_F(EmbedJob, NothingFoundWritesOnlyTheTextOrderReportAndKeepsOlderSortedOnes) {
    setUp("....", {"кот"});
    folder.write("t.txt_EmbSortByLen.txt", "older");
    RecordingJob job;
    const auto outcome = run(job);
    EXPECT_EQ(outcome.ending, EmbedEnding::NothingFound);
    EXPECT_EQ(outcome.message, "Вложенных слов не найдено.");
    EXPECT_EQ(folder.read("t.txt_Emb.txt"),
              std::string(14, ' ') + "\r\n" + std::string(14, ' ') + "\r\n");
    EXPECT_EQ(folder.read("t.txt_EmbSortByLen.txt"), "older");
    EXPECT_EQ(job.progressValues, std::vector<int>{2});
    EXPECT_EQ(refreshes, 2);
}

TEST_F(EmbedJob, RefusalsAndFailuresNameTheFileAndLeaveNoHalfWrittenFile) {
    setUp("abc", {"кот"});
    RecordingJob job;
    EXPECT_EQ(run(job).message,
              "Программа работает только с текстами, содержащими 3 и более знаков.");
    EXPECT_TRUE(job.progressValues.empty());
    EXPECT_FALSE(folder.exists("~$t.txt"));

    setUp("кот ел", {"котел"});
    for (const auto& [source, dic, named] :
         {std::tuple{"t.txt", "GONE.DIC", "GONE.DIC"}, {"none.txt", "M.DIC", "none.txt"}}) {
        const auto outcome = run(job, source, dic);
        EXPECT_EQ(outcome.ending, EmbedEnding::Failed);
        EXPECT_NE(outcome.message.find(named), std::string::npos) << outcome.message;
        EXPECT_FALSE(folder.exists("~$t.txt"));
    }
    std::filesystem::create_directory(folder / "t.txt_EmbSortByLen.txt");
    const auto blocked = run(job);
    EXPECT_EQ(blocked.ending, EmbedEnding::Failed);
    EXPECT_NE(blocked.message.find("t.txt_EmbSortByLen.txt"), std::string::npos);
    // The text, the blocking folder and the two reports before it: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 4);
}

}  // namespace
}  // namespace undertext::embed
