#include "echoscan/core/fragment_search_job.h"

#include <gtest/gtest.h>

#include "common/core/codepage.h"
#include "tests/support/recording_job.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

using testing::RecordingJob;
using testing::TempFolder;

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

const char* const kReports[] = {"text.txt_RecSortByLen.txt", "text.txt_RecSortByAlf.txt",
                                "text.txt_RecSortByFriq.txt"};

// Runs the job on folder/text.txt and records the window effects in order.
struct JobRun {
    explicit JobRun(const TempFolder& folder, std::string minText = "4", std::string maxText = "40",
                    long stopAt = 0, std::string name = "text.txt")
        : job(stopAt) {
        FragmentSearchWindow window;
        window.showMessage = [this](const std::string& m) { effects.push_back("message " + m); };
        window.enableRunButtons = [this](bool on) { effects.push_back(on ? "enable" : "disable"); };
        window.showResultFiles = [this](const std::string& p) { effects.push_back("list " + p); };
        end = fragmentSearchJob({name, folder.path(), Language::Russian, minText, maxText}, window,
                                job);
    }

    RecordingJob job;
    std::vector<std::string> effects;
    FragmentSearchEnd end;
};

const std::string kText = cp("Мама мыла раму, мама мыла окно.");

TEST(FragmentSearchJob, CompletedRunWritesThePreparedTextAndThreeReports) {
    TempFolder folder;
    folder.write("text.txt", kText);
    const JobRun run(folder, "2", "40");
    EXPECT_EQ(run.end, FragmentSearchEnd::Completed);
    EXPECT_EQ(run.effects, (std::vector<std::string>{"disable", "list text.txt_Rec*.txt",
                                                     "list text.txt_Rec*.txt", "enable"}));
    EXPECT_EQ(run.job.progressValues.front(), 2);
    EXPECT_EQ(run.job.progressValues.back(), 100);
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), cp("мама мыла раму мама мыла окно "));
    for (const char* report : kReports) {
        EXPECT_NE(folder.read(report).find(cp("Всего повторяющихся фрагментов:  3\r\n")),
                  std::string::npos)
            << report;
    }
}

TEST(FragmentSearchJob, RefusalsInTheirOrder) {
    TempFolder folder;
    folder.write("text.txt", kText);
    const auto refusal = [](const std::string& message) {
        return std::vector<std::string>{"disable", "list text.txt_Rec*.txt", "message " + message,
                                        "enable"};
    };
    const std::pair<std::pair<const char*, const char*>, std::string> cases[] = {
        {{"5", "3"}, kLengthOrderMessage},
        {{"3", "-1"}, kLengthOrderMessage},
        {{"0", "3"}, kNonPositiveLengthMessage},
        {{"0", "0"}, kNonPositiveLengthMessage},
        {{"30", "40"}, "У вас нет 30 символов на выбранном языке в тексте."},
        {{"", "40"}, kLengthNotNumberMessage},
        {{"4", "четыре"}, kLengthNotNumberMessage},
        {{"4.5", "40"}, kLengthNotNumberMessage},
        {{"4", "99999999999999999999"}, kLengthNotNumberMessage},
        {{"4", "1000000001"}, kLengthNotNumberMessage},
    };
    for (const auto& [lengths, message] : cases) {
        const JobRun run(folder, lengths.first, lengths.second);
        EXPECT_EQ(run.end, FragmentSearchEnd::Refused) << message;
        EXPECT_EQ(run.effects, refusal(message));
        EXPECT_TRUE(run.job.progressValues.empty());
    }
    for (const char* report : kReports) {
        EXPECT_FALSE(folder.exists(report));
    }
    EXPECT_EQ(parseFragmentLength(" +7 "), 7);
    EXPECT_EQ(parseFragmentLength("-1000000000"), -1000000000);
    EXPECT_EQ(parseFragmentLength("- 1"), std::nullopt);
}

TEST(FragmentSearchJob, TooFewCharactersAndTheSmallestSearchableText) {
    TempFolder folder;
    folder.write("text.txt", cp("абвг"));
    JobRun four(folder);
    EXPECT_EQ(four.effects.at(2), "message У вас нет 4 символов на выбранном языке в тексте.");
    folder.write("text.txt", cp("абвгд"));
    EXPECT_EQ(JobRun(folder).end, FragmentSearchEnd::Completed);
    EXPECT_NE(folder.read(kReports[0]).find(cp("фрагментов:  0")), std::string::npos);
    // An empty source gives an empty prepared text and the same refusal.
    folder.write("text.txt", "");
    EXPECT_EQ(JobRun(folder).effects.at(2),
              "message У вас нет 4 символов на выбранном языке в тексте.");
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), "");
}

TEST(FragmentSearchJob, NoSourceChosenOrFound) {
    TempFolder folder;
    const JobRun empty(folder, "4", "40", 0, "");
    EXPECT_EQ(empty.effects,
              (std::vector<std::string>{"disable", "message Выберите исходный файл", "enable"}));
    const JobRun missing(folder, "4", "40", 0, "typed.txt");
    EXPECT_EQ(missing.end, FragmentSearchEnd::Refused);
    EXPECT_NE(missing.effects.at(1).find("typed.txt"), std::string::npos);
    EXPECT_FALSE(folder.exists("typed.txt_RecPrep.txt"));

    // A name typed before any folder was chosen.
    RecordingJob job;
    FragmentSearchWindow window;
    EXPECT_EQ(fragmentSearchJob({"text.txt", {}, Language::Russian, "4", "40"}, window, job),
              FragmentSearchEnd::Refused);
    // The name is found without regard to case; outputs take the name as typed.
    folder.write("Text.TXT", kText);
    EXPECT_EQ(JobRun(folder, "2", "40").end, FragmentSearchEnd::Completed);
    EXPECT_TRUE(folder.exists("text.txt_RecSortByFriq.txt"));
}

TEST(FragmentSearchJob, FilesThatCannotBeReadOrWrittenFailWithTheirName) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "text.txt");
    const JobRun unreadable(folder);
    EXPECT_EQ(unreadable.end, FragmentSearchEnd::Failed);
    EXPECT_NE(unreadable.effects.at(1).find("text.txt"), std::string::npos);
    EXPECT_EQ(unreadable.effects.back(), "enable");
    std::filesystem::remove(folder / "text.txt");

    folder.write("text.txt", kText);
    std::filesystem::create_directory(folder / "text.txt_RecPrep.txt");
    const JobRun unwritable(folder);
    EXPECT_EQ(unwritable.end, FragmentSearchEnd::Failed);
    EXPECT_NE(unwritable.effects.at(1).find("text.txt_RecPrep.txt"), std::string::npos);
    std::filesystem::remove(folder / "text.txt_RecPrep.txt");

    // The alphabetical report is blocked: the length report is whole, no other.
    std::filesystem::create_directory(folder / kReports[1]);
    const JobRun blocked(folder, "2", "40");
    EXPECT_EQ(blocked.end, FragmentSearchEnd::Failed);
    EXPECT_NE(blocked.effects.at(2).find(kReports[1]), std::string::npos);
    EXPECT_NE(folder.read(kReports[0]).find(cp("фрагментов:  3\r\n")), std::string::npos);
    EXPECT_FALSE(folder.exists(kReports[2]));
}

TEST(FragmentSearchJob, AStopShowsZeroAndLeavesEarlierReportsAlone) {
    TempFolder folder;
    folder.write("text.txt", kText);
    RecordingJob count;
    ASSERT_EQ(
        fragmentSearchJob({"text.txt", folder.path(), Language::Russian, "2", "40"}, {}, count),
        FragmentSearchEnd::Completed);
    for (const char* report : kReports) {
        folder.write(report, "earlier");
    }
    // The first stop point (a length pass) and the last one (the absorption pass).
    for (const long stopAt : {1L, count.stopPoints}) {
        const JobRun run(folder, "2", "40", stopAt);
        EXPECT_EQ(run.end, FragmentSearchEnd::Stopped);
        EXPECT_EQ(run.job.progressValues.back(), 0);
        EXPECT_EQ(run.effects, (std::vector<std::string>{"disable", "list text.txt_Rec*.txt"}));
        for (const char* report : kReports) {
            EXPECT_EQ(folder.read(report), "earlier");
        }
    }
}

TEST(FragmentSearchJob, TheFinalListTakesTheNameShownAtTheEnd) {
    TempFolder folder;
    folder.write("text.txt", kText);
    std::vector<std::string> patterns;
    FragmentSearchWindow window;
    window.showResultFiles = [&](const std::string& p) { patterns.push_back(p); };
    window.shownSourceName = [] { return std::string("other.txt"); };
    UnwatchedJob job;
    EXPECT_EQ(
        fragmentSearchJob({"text.txt", folder.path(), Language::Russian, "4", "40"}, window, job),
        FragmentSearchEnd::Completed);
    EXPECT_EQ(patterns, (std::vector<std::string>{"text.txt_Rec*.txt", "other.txt_Rec*.txt"}));
}

}  // namespace
}  // namespace undertext
