#include "viewer/core/source_preparation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

// The viewer's tests show a missing, a changed, an unreadable and an unindexable
// source in the window's words; here the rest of what leads to the source.
TEST(SourcePreparation, TheSourceIsTheReportsNameLessItsSuffixInAnyLetterCase) {
    constexpr std::string_view kSuffix = "_EmbSortByFriq.txt";
    const struct {
        const char* report;
        const char* present;  // a file or, ending in '/', a folder
        const char* found;
        SourceProblem problem;
    } cases[] = {
        {"text.txt_EmbSortByFriq.txt", "text.txt", "text.txt", SourceProblem::None},
        {"Текст.TXT_EmbSortByFriq.txt", "тЕКСТ.txt", "тЕКСТ.txt", SourceProblem::None},
        {"text.txt_EmbSortByFriq.txt", "text.txt/", "text.txt", SourceProblem::Missing},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string present = c.present;
        if (present.ends_with('/')) {
            std::filesystem::create_directory(folder / present.substr(0, present.size() - 1));
        } else {
            folder.write(present, "text");
        }
        const auto source = locateReportSource(folder.write(c.report, "report"), kSuffix);
        EXPECT_EQ(source.path, folder / c.found) << c.report << " " << c.present;
        EXPECT_EQ(source.name, std::string(c.report, std::strlen(c.report) - kSuffix.size()));
        EXPECT_EQ(source.problem, c.problem) << c.report << " " << c.present;
    }
}

TEST(SourcePreparation, RunningOutOfMemoryIsToldAndNotThrown) {
    TempFolder folder;
    const auto prepared = prepareSource(
        folder.write("text.txt", "text"), TextEncoding::Windows1251, Language::English,
        [](std::string_view, Language) -> OccurrenceFinder { throw std::bad_alloc(); });
    EXPECT_EQ(prepared.problem, SourceProblem::OutOfMemory);
    EXPECT_FALSE(prepared.finder);
}

}  // namespace
}  // namespace undertext
