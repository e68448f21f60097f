#include "cli/cli_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "tests/support/temp_folder.h"

namespace undertext::cli {
namespace {

TEST(CliArguments, SplitsWordsFromOptionsAndNamesWhatIsWrong) {
    const auto parsed = parseArguments({"a.txt", "--lang", "ru", "--min=3"}, {"--lang", "--min"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->positional, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(*parsed->option("--lang"), "ru");
    EXPECT_EQ(*parsed->option("--min"), "3");
    EXPECT_EQ(parseArguments({"--lang"}, {"--lang"}).error(), "option --lang needs a value");
    EXPECT_EQ(parseArguments({"--help"}, {"--lang"}).error(), "unknown option --help");
}

TEST(ModulesCommand, ListsTheWordCountsAndRefusesAFolderThatIsNotThere) {
    testing::TempFolder folder;
    folder.write("common.dic", "a\r\n\r\nb,c\r\n");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(runModulesCommand({"--dict-dir", folder.path().string()}), kExitOk);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "common.dic\t4 words\nDefault Russian module: common.dic\n"
              "Default English module: missing (COMMON_E.DIC)\n");
    EXPECT_EQ(runModulesCommand({"--dict-dir", (folder / "missing").string()}), kExitRefused);
    EXPECT_EQ(runModulesCommand({"extra"}), kExitUsage);
}

}  // namespace
}  // namespace undertext::cli
