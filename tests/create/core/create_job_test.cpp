#include "create/core/create_job.h"

#include <gtest/gtest.h>

#include "testing/support/recording_job.h"
#include "testing/support/temp_folder.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

// The job as the batch tool runs it, preparing its own search.
TEST(CreateJob, RefusesBeforeTheSearchOrReportsTwoAndEndsWithTheAnalysisAndOneHundred) {
    undertext::testing::TempFolder folder;
    folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
    const struct {
        Strings modules;
        const char* phrase;
        const char* refusal;  // a part of the message
    } cases[] = {{{""}, "cat", "Выберите модули словарей."},
                 {{"COMMON_E.DIC"}, "123", "должен быть хотя бы один знак"},
                 {{"GONE.DIC"}, "cat", "GONE.DIC"}};
    for (const auto& c : cases) {
        undertext::testing::RecordingJob job;
        const auto outcome =
            createJob({c.phrase, Language::English, c.modules, folder.path(), {}}, job);
        EXPECT_EQ(outcome.ending, JobEnding::Refused) << c.refusal;
        EXPECT_NE(outcome.message.find(c.refusal), std::string::npos) << outcome.message;
        EXPECT_TRUE(job.progressValues.empty());
    }
    undertext::testing::RecordingJob job;
    const auto done =
        createJob({"Cat top", Language::English, {"COMMON_E.DIC"}, folder.path(), {}}, job);
    EXPECT_EQ(done.ending, JobEnding::Completed);
    EXPECT_EQ(done.results.words, (Strings{"cat", "top"}));
    EXPECT_EQ(job.progressValues.front(), 2);
    EXPECT_EQ(job.progressValues.back(), 100);
    // A stop at the first stop point ends the job with nothing.
    undertext::testing::RecordingJob stop(1);
    EXPECT_EQ(
        createJob({"cat", Language::English, {"COMMON_E.DIC"}, folder.path(), {}}, stop).ending,
        JobEnding::Stopped);
    EXPECT_EQ(stop.progressValues, std::vector<int>{2});
}

}  // namespace
}  // namespace undertext::create::testing
