#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/core/text/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

// Runs a shell command line in folder, its output dropped; its exit status.
int shell(const TempFolder& folder, const std::string& line) {
    const auto command = "cd '" + folder.path().string() + "' && (" + line + ") >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The README's recipe for many machines, run on this one: GNU parallel runs the
// tool on each text of a list, then `undertext summary` combines their reports into
// the very summary a run over all the texts in one process writes.
TEST(ParallelRecipe, CombinesSeparateRunsIntoTheInProcessSummary) {
    TempFolder folder;
    folder.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\nмама\r\n"));
    std::filesystem::create_directories(folder / "texts/more");
    const char* texts[] = {"texts/a.txt", "texts/b.txt", "texts/more/c.txt", "texts/more/d.txt"};
    const char* lines[] = {"Кот ел котел. ", "Котел тел, кот тел. ", "Мама мыла котел. ",
                           "Телекот ел кота. "};
    for (int t = 0; t < 4; ++t) {
        std::string text;
        for (int line = 0; line <= t; ++line) {
            text += utf8ToCp1251(lines[(t + line) % 4]);
        }
        folder.write(texts[t], text);
    }
    // The list is made before any run, so that it holds the texts and no report.
    ASSERT_EQ(shell(folder, "find texts -name '*.txt' | sort > texts.list"), 0);
    const std::string tool = UNDERTEXT_BINARY;
    const struct {
        const char* command;
        const char* summaryOptions;
    } cases[] = {{"embed", ""}, {"echoscan --min 3 --max 12", " --min 3 --max 12"}};
    for (const auto& c : cases) {
        const std::string command = c.command;
        const auto name = command.substr(0, command.find(' '));
        ASSERT_EQ(shell(folder, "parallel -j 2 " + tool + " " + command + " {} :::: texts.list"), 0)
            << command;
        ASSERT_EQ(shell(folder, tool + " summary " + name + " --files-from texts.list" +
                                    c.summaryOptions + " --summary spread.tsv --quiet"),
                  0)
            << command;
        ASSERT_EQ(shell(folder, tool + " " + command +
                                    " --files-from texts.list --summary one.tsv --quiet"),
                  0)
            << command;
        EXPECT_FALSE(folder.read("one.tsv").empty());
        EXPECT_EQ(folder.read("spread.tsv"), folder.read("one.tsv")) << command;
        EXPECT_EQ(folder.read("spread.by-text.tsv"), folder.read("one.by-text.tsv")) << command;
    }
}

}  // namespace
}  // namespace undertext::testing
