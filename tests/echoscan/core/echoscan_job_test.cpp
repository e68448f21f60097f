#include "echoscan/core/echoscan_job.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/core/files/source_name.h"
#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_lengths.h"
#include "testing/support/recording_job.h"
#include "testing/support/small_file_system.h"
#include "testing/support/temp_folder.h"
#include "tests/common/core/files/writer_temporaries.h"

namespace undertext::echoscan {
namespace {

using testing::TempFolder;
using Effects = std::vector<std::string>;

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

const char* const kReports[] = {"text.txt_RecSortByLen.txt", "text.txt_RecSortByAlf.txt",
                                "text.txt_RecSortByFriq.txt"};
const std::string kText = cp("Мама мыла раму, мама мыла окно.");

// Runs the job on folder/name and records its events in order.
struct JobRun {
    explicit JobRun(const TempFolder& folder, std::string min = "4", std::string max = "40",
                    long stopAt = 0, std::string name = "text.txt")
        : job(stopAt),
          outcome(
              echoscanJob({name, folder.path(), Language::Russian, min, max, nullptr, {}}, job)),
          effects(job.events) {}

    testing::RecordingJob job;
    EchoscanOutcome outcome;
    const Effects& effects;
};

TEST(EchoscanJob, CompletedRunWritesThePreparedTextAndThreeReports) {
    TempFolder folder;
    folder.write("text.txt", kText);
    const JobRun run(folder, "2", "40");
    EXPECT_EQ(run.outcome.ending, JobEnding::Completed);
    EXPECT_EQ(run.effects, (Effects{"list text.txt_Rec*.txt", "list (shown)_Rec*.txt"}));
    EXPECT_EQ(run.job.progressValues.front(), 2);
    EXPECT_EQ(run.job.progressValues.back(), 100);
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), cp("мама мыла раму мама мыла окно "));
    const auto heading = [](const std::string& title) {
        return cp(title +
                  "  интервал поиска от 2 до 40 символов.\r\n\r\n"
                  "Фраза      Кол-во  Длина\r\n\r\n");
    };
    const auto longest = cp("мама мыла  2       10\r\n");
    const auto shortest = cp(" м         3       2\r\nам         3       2\r\n");
    const auto total = cp("\r\nВсего повторяющихся фрагментов:  3\r\n");
    EXPECT_EQ(folder.read(kReports[0]),
              heading("  СОРТИРОВКА ПО ДЛИНЕ") + longest + shortest + total);
    EXPECT_EQ(folder.read(kReports[1]),
              heading("     СОРТИРОВКА ПО АЛФАВИТУ") + shortest + longest + total);
    EXPECT_EQ(folder.read(kReports[2]),
              heading("    СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ") + shortest + longest + total);
}

TEST(EchoscanJob, RefusalsInTheirOrder) {
    TempFolder folder;
    folder.write("text.txt", kText);
    const std::tuple<const char*, const char*, const char*, std::string> cases[] = {
        {"", "5", "3", kChooseSourceMessage},
        {"text.txt", "5", "3", kLengthOrderMessage},
        {"text.txt", "3", "-1", kLengthOrderMessage},
        {"text.txt", "0", "3", kNonPositiveLengthMessage},
        {"text.txt", "", "40", kLengthNotNumberMessage},
        {"text.txt", "4.5", "40", kLengthNotNumberMessage},
        {"text.txt", "4", "99999999999999999999", kLengthNotNumberMessage},
        {"text.txt", "4", "1000000001", kLengthNotNumberMessage}};
    for (const auto& [name, min, max, message] : cases) {
        const JobRun run(folder, min, max, 0, name);
        // The prepared text is listed before the lengths are read.
        const Effects expected = *name == '\0' ? Effects{} : Effects{"list text.txt_Rec*.txt"};
        EXPECT_EQ(run.outcome.ending, JobEnding::Refused) << message;
        EXPECT_EQ(run.outcome.message, message);
        EXPECT_EQ(run.effects, expected);
        EXPECT_TRUE(run.job.progressValues.empty());
    }
    for (const char* report : kReports) {
        EXPECT_FALSE(folder.exists(report));
    }
}

TEST(EchoscanJob, TooFewCharactersAndTheSmallestSearchableText) {
    TempFolder folder;
    for (const auto& [source, completes] :
         {std::pair{"абвг", false}, {"", false}, {"абвгд", true}}) {
        folder.write("text.txt", cp(source));
        const JobRun run(folder);
        EXPECT_EQ(run.outcome.ending, completes ? JobEnding::Completed : JobEnding::Refused);
        EXPECT_EQ(completes ? run.effects.at(1) : run.outcome.message,
                  completes ? "list (shown)_Rec*.txt"
                            : "У вас нет 4 символов на выбранном языке в тексте.");
        EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), cp(source));
    }
    EXPECT_NE(folder.read(kReports[0]).find(cp("фрагментов:  0")), std::string::npos);
}

TEST(EchoscanJob, RefusesANameThatIsNoFileOfTheSourceFolder) {
    TempFolder folder;
    TempFolder elsewhere;
    elsewhere.write("text.txt", kText);
    // A missing name, and names that lead out of the folder.
    for (const auto& name : {std::string("typed.txt"), (elsewhere / "text.txt").string(),
                             "../" + elsewhere.path().filename().string() + "/text.txt"}) {
        const JobRun run(folder, "4", "40", 0, name);
        EXPECT_EQ(run.outcome.ending, JobEnding::Refused) << name;
        EXPECT_TRUE(run.effects.empty()) << name;
    }
    EXPECT_FALSE(elsewhere.exists("text.txt_RecPrep.txt"));
    testing::RecordingJob job;  // a name typed before any folder was chosen
    EXPECT_EQ(echoscanJob({"text.txt", {}, Language::Russian, "4", "40", nullptr, {}}, job).ending,
              JobEnding::Refused);
    // The name is found without regard to case; outputs take the name as typed.
    folder.write("Text.TXT", kText);
    EXPECT_EQ(JobRun(folder, "2", "40").outcome.ending, JobEnding::Completed);
    EXPECT_TRUE(folder.exists("text.txt_RecSortByFriq.txt"));
}

TEST(EchoscanJob, FilesThatCannotBeReadOrWrittenFailWithTheirName) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "text.txt");
    const JobRun unreadable(folder);
    EXPECT_EQ(unreadable.outcome.ending, JobEnding::Failed);
    EXPECT_NE(unreadable.outcome.message.find("text.txt"), std::string::npos);
    std::filesystem::remove(folder / "text.txt");
    folder.write("text.txt", kText);
    // The alphabetical report is blocked: the set is not put in place, not even
    // the prepared text or the length report written before it.
    std::filesystem::create_directory(folder / kReports[1]);
    const JobRun blocked(folder, "2", "40");
    EXPECT_EQ(blocked.outcome.ending, JobEnding::Failed);
    EXPECT_NE(blocked.outcome.message.find(kReports[1]), std::string::npos);
    EXPECT_FALSE(folder.exists(kReports[0]));
    EXPECT_FALSE(folder.exists(kReports[2]));
    EXPECT_FALSE(folder.exists("text.txt_RecPrep.txt"));
}

TEST(EchoscanJob, AStopShowsZeroAndLeavesEarlierReportsAlone) {
    TempFolder folder;
    folder.write("text.txt", kText);
    const long lastStopPoint = JobRun(folder, "2", "40").job.stopPoints;
    for (const char* report : kReports) {
        folder.write(report, "earlier");
    }
    // The first stop point (a length pass) and the last one (the absorption pass).
    for (const long stopAt : {1L, lastStopPoint}) {
        const JobRun run(folder, "2", "40", stopAt);
        EXPECT_EQ(run.outcome.ending, JobEnding::Stopped);
        EXPECT_EQ(run.job.progressValues.back(), 0);
        EXPECT_EQ(run.effects, (Effects{"list text.txt_Rec*.txt"}));
        for (const char* report : kReports) {
            EXPECT_EQ(folder.read(report), "earlier");
        }
    }
}

// A set over the free space fails before writing, naming both sizes; a large set
// is written only when approved, and a refused one ends the run as a refusal. In
// both cases the earlier set stays whole and no temporary file is left.
TEST(EchoscanJob, ASetIsRefusedBeforeWritingWhenItDoesNotFitOrIsNotApproved) {
    // One page: the prepared text's temporary file takes it, the reports have none.
    testing::SmallFileSystem disk(4096);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const auto& folder = disk.folder();
    struct Case {
        const char* name;
        bool approves;
        JobEnding ending;
        const char* message;
    };
    const Case cases[] = {
        {"over the free space", true, JobEnding::Failed, "а на диске свободно"},
        {"approval refused", false, JobEnding::Refused, "not approved"},
    };
    for (const auto& [name, approves, ending, message] : cases) {
        folder.write("text.txt", kText);
        for (const char* report : kReports) {
            folder.write(report, "");
        }
        folder.write("text.txt_RecPrep.txt", "");
        std::uint64_t asked = 0;
        testing::RecordingJob job(0);
        EchoscanRequest request{"text.txt", folder.path(), Language::Russian, "2", "40", nullptr,
                                {}};
        request.approveReportSize = [&](std::uint64_t bytes) {
            asked = bytes;
            return approves ? Status::success() : Status::failure("not approved");
        };
        const auto outcome = echoscanJob(request, job);
        EXPECT_EQ(outcome.ending, ending) << name;
        EXPECT_NE(outcome.message.find(message), std::string::npos) << outcome.message;
        EXPECT_GT(asked, 0U) << name;
        for (const char* file : {kReports[0], kReports[1], kReports[2], "text.txt_RecPrep.txt"}) {
            EXPECT_EQ(folder.read(file), "") << name << ": " << file;
        }
        EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0) << name;
    }
}

}  // namespace
}  // namespace undertext::echoscan
