#include "embed/core/embed_job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <utility>

#include "embed/core/embed_reports.h"
#include "embed/core/prepared_text.h"
#include "testing/literal/embed_search.h"
#include "testing/support/recording_job.h"
#include "testing/support/temp_folder.h"

namespace undertext::embed {
namespace {

using undertext::testing::RecordingJob;

class EmbedJob : public ::testing::Test {
  protected:
    // Runs the job on t.txt with the module M.DIC (words one a line, in UTF-8); name
    // is the source name the job is given.
    EmbedOutcome run(RecordingJob& job, const char* text, const char* words,
                     const char* module = "M.DIC", const std::string& name = "t.txt") {
        folder.write("t.txt", testing::cp(text));
        modules.write("M.DIC", testing::cp(words));
        const auto outcome = embedJob(
            {folder.path(), name, Language::Russian, {module}, modules.path(), nullptr, {}, {}},
            job);
        refreshes = static_cast<int>(std::count(job.events.begin(), job.events.end(), "list"));
        EXPECT_EQ(static_cast<std::size_t>(refreshes), job.events.size()) << "only re-reads";
        return outcome;
    }

    // Which of the four reports exist, as "1100"; removes them for the next run.
    std::string takeReports() const {
        std::string present;
        for (const auto* suffix :
             {"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt", "_EmbSortByAlf.txt"}) {
            present +=
                std::filesystem::remove(folder / ("t.txt" + std::string(suffix))) ? '1' : '0';
        }
        return present;
    }

    // 2, 4, ... up to last, then the closing values.
    static std::vector<int> rising(int last, std::initializer_list<int> closing) {
        std::vector<int> values;
        for (int p = 2; p <= last; p += 2) {
            values.push_back(p);
        }
        values.insert(values.end(), closing);
        return values;
    }

    undertext::testing::TempFolder folder, modules;
    int refreshes = 0;
};

TEST_F(EmbedJob, AStopAtAnyStopPointLeavesNoNewReport) {
    // Stop points 1-4 after the dictionary words, 5 after the text-order report,
    // 6-7 counting the two occurrences, 8 after the frequency report. The reports
    // are put in place together at the end, so a stop at any of them leaves none.
    const struct {
        long stopAt;
        const char* reports;
        int refreshes;
    } cases[] = {{0, "1111", 2}, {3, "0000", 0}, {5, "0000", 0}, {7, "0000", 1}, {8, "0000", 1}};
    for (const auto& c : cases) {
        RecordingJob job(c.stopAt);
        const auto ending = run(job, "кот ел", "котел\r\nтел\r\nел\r\nкот").ending;
        EXPECT_EQ(ending, c.stopAt ? JobEnding::Stopped : JobEnding::Completed);
        EXPECT_EQ(takeReports(), c.reports) << c.stopAt;
        EXPECT_EQ(job.stopPoints, c.stopAt ? c.stopAt : 8);
        EXPECT_EQ(job.progressValues, c.stopAt ? rising(2, {0}) : rising(2, {96, 100}));
        EXPECT_EQ(refreshes, c.refreshes) << c.stopAt;
        EXPECT_FALSE(folder.exists("~$t.txt"));
    }
}

TEST_F(EmbedJob, ProgressStepsOfTheSearchAndTheCappedCounting) {
    std::string absent;
    for (int i = 0; i < 44; ++i) {
        absent += "щщщ\r\n";
    }
    // 46 words: a step of 2 words (45 / 30 = 1.5 rounds to 2), up to 48.
    RecordingJob job;
    run(job, "банана", ("ана\r\nщщщ\r\n" + absent).c_str());
    EXPECT_EQ(job.progressValues, rising(48, {96, 100}));
    // 45 words reach 92; 14 occurrences count in steps of 1 and stop at 100.
    RecordingJob capped;
    run(capped, "аааааааааааааа", (absent + "а").c_str());
    EXPECT_EQ(capped.progressValues,
              rising(100, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 96, 100}));
    EXPECT_EQ(capped.stopPoints, 45 + 1 + 14 + 1);
}

TEST_F(EmbedJob, NoSourceNameOrNoModuleIsRefusedBeforeAnythingIsRead) {
    const struct {
        const char* name;
        const char* module;
        const char* refusal;
    } cases[] = {{"", "M.DIC", "Выберите исходный файл"},
                 {"t.txt", "", "Выберите модули словарей"}};
    for (const auto& c : cases) {
        RecordingJob job;
        const auto outcome = run(job, "кот ел", "котел", c.module, c.name);
        EXPECT_EQ(outcome.ending, JobEnding::Refused) << c.refusal;
        EXPECT_EQ(outcome.message, c.refusal);
        EXPECT_TRUE(job.progressValues.empty());
        EXPECT_EQ(takeReports() + (folder.exists("~$t.txt") ? "~" : ""), "0000");
    }
}

TEST_F(EmbedJob, NothingFoundRefusalsAndFailures) {
    folder.write("t.txt_EmbSortByLen.txt", "older");
    RecordingJob job;
    const auto outcome = run(job, "....", "кот");
    EXPECT_EQ(outcome.ending, JobEnding::NothingFound);
    EXPECT_EQ(outcome.message, "Вложенных слов не найдено.");
    EXPECT_EQ(folder.read("t.txt_Emb.txt"),
              std::string(14, ' ') + "\r\n" + std::string(14, ' ') + "\r\n");
    EXPECT_EQ(folder.read("t.txt_EmbSortByLen.txt"), "older");
    EXPECT_EQ(takeReports(), "1010");
    EXPECT_EQ(job.progressValues, std::vector<int>{2});
    EXPECT_EQ(refreshes, 2);

    // 3 bytes are too short (4 passed above); nothing is reported or written.
    RecordingJob refused;
    const auto tooShort = run(refused, "abc", "кот");
    EXPECT_EQ(tooShort.ending, JobEnding::Refused);
    EXPECT_EQ(tooShort.message,
              "Программа работает только с текстами, содержащими 3 и более знаков.");
    EXPECT_TRUE(refused.progressValues.empty());
    EXPECT_EQ(takeReports() + (folder.exists("~$t.txt") ? "~" : ""), "0000");
    const auto noModule = run(job, "кот ел", "котел", "GONE.DIC");
    EXPECT_EQ(noModule.ending, JobEnding::Failed);
    EXPECT_NE(noModule.message.find("GONE.DIC"), std::string::npos);
    EXPECT_FALSE(folder.exists("~$t.txt"));

    std::filesystem::create_directory(folder / "t.txt_EmbSortByLen.txt");
    const auto blocked = run(job, "кот ел", "котел");
    EXPECT_EQ(blocked.ending, JobEnding::Failed);
    EXPECT_NE(blocked.message.find("t.txt_EmbSortByLen.txt"), std::string::npos);
    // The text and the blocking folder: the reports before it are not put in
    // place, and no temporary file is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);

    // A typed name with a folder part would read and write outside SourceFolder.
    modules.write("outside.txt", testing::cp("кот ел"));
    const auto escaped =
        run(job, "", "кот", "M.DIC", "../" + modules.path().filename().string() + "/outside.txt");
    EXPECT_EQ(escaped.ending, JobEnding::Failed);
    EXPECT_NE(escaped.message.find("не находится в папке"), std::string::npos);
    EXPECT_FALSE(modules.exists("outside.txt_Emb.txt"));
}

// Each sorted report's sort starts from the order the report before it left, and
// the results list the words as the last report does: with many words of equal
// counts and lengths the ties show both.
TEST_F(EmbedJob, EachSortedReportSortsTheOrderOfTheOneBefore) {
    std::mt19937 random(7);
    const std::string letters = testing::cp("абв");
    for (int round = 0; round < 40; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            text += i % 7 == 6 ? ' ' : letters[random() % letters.size()];
        }
        std::vector<std::string> dictionary;
        for (int i = 0; i < 30; ++i) {
            std::string word;
            for (auto length = 1 + random() % 3; length > 0; --length) {
                word += letters[random() % letters.size()];
            }
            dictionary.push_back(word);
        }
        folder.write("t.txt", text);
        // Three letters alone could pass for another encoding: both are given.
        const auto dicWords = testing::dicWordsOf(dictionary);
        EmbedRequest request;
        request.sourceFolder = folder.path();
        request.sourceName = "t.txt";
        request.selectedModules = {"M.DIC"};
        request.encoding = TextEncoding::Windows1251;
        request.loadedWords = &dicWords;
        RecordingJob job;
        const auto outcome = embedJob(request, job);
        ASSERT_EQ(outcome.ending, JobEnding::Completed) << outcome.message;

        auto expected = testing::literalRun(text, Language::Russian, dictionary).embedded;
        const auto totals =
            embedTotals(expected, prepareLetters(text, Language::Russian).wordCount());
        for (const auto& [kind, suffix] :
             {std::pair(SortedReport::ByFrequency, "_EmbSortByFriq.txt"),
              std::pair(SortedReport::ByLength, "_EmbSortByLen.txt"),
              std::pair(SortedReport::Alphabetical, "_EmbSortByAlf.txt")}) {
            testing::literalReportSort(kind, expected);
            ASSERT_EQ(folder.read("t.txt" + std::string(suffix)),
                      sortedReportText(kind, expected, totals))
                << suffix << " in round " << round;
        }
        EXPECT_EQ(outcome.results.words, expected);
    }
}

// A run over many texts hands every job the modules' words it loaded once: the job
// searches for them and reads no module, so a module gone since is no failure.
TEST_F(EmbedJob, WordsLoadedByTheCallerAreSearchedWithoutReadingTheModules) {
    folder.write("t.txt", testing::cp("кот ел"));
    modules.write("M.DIC", testing::cp("котел\r\nтел"));
    const auto loaded = loadDicWords(modules.path(), {"M.DIC"});
    ASSERT_TRUE(loaded);
    std::filesystem::remove(modules / "M.DIC");
    RecordingJob job;
    EmbedRequest request;
    request.sourceFolder = folder.path();
    request.sourceName = "t.txt";
    request.selectedModules = {"M.DIC"};
    request.startFolder = modules.path();
    request.loadedWords = &loaded.value();
    EXPECT_EQ(embedJob(request, job).ending, JobEnding::Completed);
    const auto byFrequency = folder.read("t.txt_EmbSortByFriq.txt");
    EXPECT_NE(byFrequency.find(testing::cp("котел")), std::string::npos) << byFrequency;
    EXPECT_NE(byFrequency.find(testing::cp("тел")), std::string::npos) << byFrequency;
}

}  // namespace
}  // namespace undertext::embed
