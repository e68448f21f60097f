#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace undertext::cli {
namespace {

using Words = std::vector<std::string>;
using Options = std::map<std::string, std::string>;

TEST(CommandLine, HandsEachCommandItsWordsAndOptionValues) {
    const auto expectParsed = [](const Words& args, Command run, const Words& positional,
                                 const Options& options) {
        const auto line = parseCommandLine(args);
        ASSERT_EQ(line.run, run) << args[0];
        EXPECT_EQ(line.arguments.positional, positional) << args[0];
        EXPECT_EQ(line.arguments.options, options) << args[0];
    };
    expectParsed({"embed", "a.txt", "--lang", "ru", "--dict-dir=d"}, runEmbedCommand, {"a.txt"},
                 {{"--lang", "ru"}, {"--dict-dir", "d"}});
    // The last value given counts; a value may begin with '-'.
    expectParsed({"echoscan", "--min", "-3", "t.txt", "--min", "5"}, runEchoscanCommand, {"t.txt"},
                 {{"--min", "5"}});
    // "--" ends the options: what follows are words, whatever they look like.
    expectParsed({"create", "--variants", "2", "--", "--save", "-x"}, runCreateCommand,
                 {"--save", "-x"}, {{"--variants", "2"}});
    // Extra words reach the command, which names what it takes.
    expectParsed({"modules", "x", "y"}, runModulesCommand, {"x", "y"}, {});
}

TEST(CommandLine, AnswersHelpAndVersionAndRefusesWhatItDoesNotKnowWithStatusTwo) {
    struct Case {
        Words args;
        int status;
        const char* out;  // a part of standard output
        const char* err;  // a part of standard error
    };
    const Case cases[] = {
        {{"--help"}, kExitOk, "Exit status: 0 done, 1 refused or a file error, 2 a usage", ""},
        {{"-h"}, kExitOk, "echoscan", ""},
        {{"--version"}, kExitOk, "undertext 2.1\n", ""},
        {{"modules", "--help"}, kExitOk, "--dict-dir DIR", ""},
        {{"create", "--save", "x", "-h"}, kExitOk, "--variants N", ""},
        {{"embed", "--help"}, kExitOk, "FILE_EmbSortByAlf.txt", ""},
        {{"echoscan", "--help"}, kExitOk, "--max N", ""},
        {{}, kExitUsage, "", "Usage: undertext"},
        {{"frobnicate", "a.txt"}, kExitUsage, "", "undertext: unknown command frobnicate"},
        {{"--bogus"}, kExitUsage, "", "unknown option --bogus"},
        {{"echoscan", "t.txt", "--depth=3"}, kExitUsage, "", "unknown option --depth (see"},
        {{"modules", "-x"}, kExitUsage, "", "unknown option -x"},
        {{"embed", "t.txt", "--lang"}, kExitUsage, "", "--lang"},
    };
    for (const auto& c : cases) {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const auto line = parseCommandLine(c.args);
        const auto out = ::testing::internal::GetCapturedStdout();
        const auto err = ::testing::internal::GetCapturedStderr();
        const auto shown = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(line.run, nullptr) << shown;
        EXPECT_EQ(line.exitStatus, c.status) << shown;
        EXPECT_NE(out.find(c.out), std::string::npos) << shown << ": " << out;
        EXPECT_NE(err.find(c.err), std::string::npos) << shown << ": " << err;
        EXPECT_TRUE(c.status == kExitOk ? err.empty() : out.empty()) << shown;
    }
}

}  // namespace
}  // namespace undertext::cli
