#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace undertext::cli {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, HandsEachCommandItsWordsAndTypedOptions) {
    const struct {
        Words args;
        CommandOptions options;
    } cases[] = {
        {{"embed", "a.txt", "--lang", "ru", "--dict-dir=d"},
         EmbedOptions{.positional = {"a.txt"}, .language = Language::Russian, .dictDir = "d"}},
        // The last value given counts; a value may begin with '-'.
        {{"echoscan", "--min", "-3", "t.txt", "--min", "5"},
         EchoscanOptions{.positional = {"t.txt"}, .minLength = "5"}},
        // "--" ends the options: what follows are words, whatever they look like.
        {{"create", "--variants", "2", "--", "--save", "-x"},
         CreateOptions{.positional = {"--save", "-x"}, .variants = 2}},
        // The defaults the help names, spelled out.
        {{"echoscan", "t"},
         EchoscanOptions{.positional = {"t"}, .minLength = "4", .maxLength = "40"}},
        {{"create", "p"}, CreateOptions{.positional = {"p"}, .variants = 1}},
        {{"kwic", "t", "--word", "w"}, KwicOptions{.positional = {"t"}, .word = "w", .width = 40}},
        // Extra words reach the command, which names what it takes.
        {{"modules", "x", "y"}, ModulesOptions{.positional = {"x", "y"}}},
        // A module list is split at its commas; a later --modules replaces it.
        {{"embed", "t", "--modules", "A.DIC", "--modules", "B.DIC,,C.DIC", "--encoding", "koi8-r",
          "--lang", "en"},
         EmbedOptions{.positional = {"t"},
                      .language = Language::English,
                      .modules = {"B.DIC", "C.DIC"},
                      .encoding = TextEncoding::Koi8R}},
        // Only the value that counts is checked; numbers are read in base ten.
        {{"create", "p", "--lang", "de", "--lang", "en", "--variants", "0", "--variants", "010",
          "--save", "o.txt", "--encoding", "utf-16"},
         CreateOptions{.positional = {"p"},
                       .language = Language::English,
                       .variants = 10,
                       .save = "o.txt",
                       .encoding = TextEncoding::Utf16Le}},
        {{"create", "p", "--variants", "1", "--encoding", "utf-8", "--encoding", "auto"},
         CreateOptions{.positional = {"p"}, .variants = 1}},
        // --model alone asks for the significance too; its value is read in base ten.
        {{"embed", "t", "--significance", "--model", "02"},
         EmbedOptions{.positional = {"t"}, .significance = true, .model = 2}},
        {{"embed", "t", "--model", "0"}, EmbedOptions{.positional = {"t"}, .model = 0}},
        // The widths at both ends of the range.
        {{"kwic", "t", "--word", "кот", "--width", "0", "--encoding", "cp866"},
         KwicOptions{
             .positional = {"t"}, .word = "кот", .width = 0, .encoding = TextEncoding::Cp866}},
        {{"kwic", "t", "--fragment", "-a b", "--width", "1000000"},
         KwicOptions{.positional = {"t"}, .fragment = "-a b", .width = 1'000'000}},
        // Report set limits: 1 GiB by default, 0 for none, bytes or K, M, G.
        {{"echoscan", "t"}, EchoscanOptions{.positional = {"t"}, .maxReportSize = 1ULL << 30}},
        {{"echoscan", "t", "--max-report-size", "0"},
         EchoscanOptions{.positional = {"t"}, .maxReportSize = 0}},
        {{"echoscan", "t", "--max-report-size", "1500"},
         EchoscanOptions{.positional = {"t"}, .maxReportSize = 1500}},
        {{"embed", "t", "--max-report-size", "512k"},
         EmbedOptions{.positional = {"t"}, .maxReportSize = 512ULL << 10}},
        {{"embed", "t", "--max-report-size", "3M"},
         EmbedOptions{.positional = {"t"}, .maxReportSize = 3ULL << 20}},
        {{"echoscan", "t", "--max-report-size", "7G"},
         EchoscanOptions{.positional = {"t"}, .maxReportSize = 7ULL << 30}},
        // Many texts, and a command's name among them is one of its words.
        {{"embed", "a", "dir", "-j", "3", "--quiet", "--files-from", "-", "--summary", "s.tsv"},
         EmbedOptions{.positional = {"a", "dir"},
                      .corpus = {.filesFrom = "-", .summary = "s.tsv", .jobs = 3, .quiet = true}}},
        {{"echoscan", "d", "--jobs=1", "--min", "3"},
         EchoscanOptions{.positional = {"d"}, .minLength = "3", .corpus = {.jobs = 1}}},
        {{"summary", "embed", "d", "--summary", "s.tsv", "--lang", "en"},
         SummaryOptions{.positional = {"embed", "d"},
                        .language = Language::English,
                        .corpus = {.summary = "s.tsv"}}},
        {{"summary", "echoscan", "modules", "--max", "9", "--summary", "s"},
         SummaryOptions{
             .positional = {"echoscan", "modules"}, .maxLength = "9", .corpus = {.summary = "s"}}},
    };
    for (const auto& c : cases) {
        const auto line = parseCommandLine(c.args);
        ASSERT_TRUE(line.command.has_value()) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(line.command->index(), c.options.index()) << c.args[0] << " " << c.args[1];
        EXPECT_TRUE(*line.command == c.options) << c.args[0] << " " << c.args[1];
    }
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
        {{"--version"}, kExitOk, "undertext 2.1\nLicense GPL-3.0-or-later", ""},
        {{"modules", "--help"}, kExitOk, "--dict-dir DIR", ""},
        {{"create", "--save", "x", "-h"}, kExitOk, "--variants N", ""},
        {{"embed", "--help"}, kExitOk, "FILE_EmbSortByAlf.txt", ""},
        {{"embed", "--help"}, kExitOk, "--model 0|1|2", ""},
        {{"echoscan", "--help"}, kExitOk, "--max N", ""},
        {{}, kExitUsage, "", "Usage: undertext"},
        {{"frobnicate", "a.txt"}, kExitUsage, "", "undertext: unknown command frobnicate"},
        {{"--bogus"}, kExitUsage, "", "unknown option --bogus"},
        {{"echoscan", "t.txt", "--depth=3"}, kExitUsage, "", "unknown option --depth (see"},
        {{"modules", "-x"}, kExitUsage, "", "unknown option -x"},
        {{"embed", "t.txt", "--lang"}, kExitUsage, "", "--lang"},
        // A value out of its range or choices, in the option's own words.
        {{"kwic", "t", "--word", "w", "--width", "1000001"},
         kExitUsage,
         "",
         "undertext: --width takes a whole number of characters from 0 to 1000000\n"},
        {{"create", "p", "--variants", "+2"},
         kExitUsage,
         "",
         "undertext: --variants takes a whole number of 1 or more\n"},
        {{"embed", "t", "--encoding", ""}, kExitUsage, "", "undertext: --encoding takes one of"},
        {{"embed", "t", "--lang", "0"}, kExitUsage, "", "undertext: --lang takes ru or en\n"},
        {{"embed", "t", "--model", "3"}, kExitUsage, "", "undertext: --model takes 0, 1 or 2\n"},
        {{"embed", "t", "--model", "-1"}, kExitUsage, "", "undertext: --model takes 0, 1 or 2\n"},
        {{"echoscan", "t", "--max-report-size", "1T"}, kExitUsage, "", "--max-report-size takes"},
        {{"echoscan", "t", "--max-report-size", "-1"}, kExitUsage, "", "--max-report-size takes"},
        {{"embed", "t", "--max-report-size", "G"}, kExitUsage, "", "--max-report-size takes"},
        {{"embed", "t", "-j", "0"}, kExitUsage, "", "undertext: -j takes a whole number from 1"},
        {{"echoscan", "t", "--jobs", "x"}, kExitUsage, "", "undertext: -j takes a whole number"},
        {{"embed", "t", "--summary="}, kExitUsage, "", "undertext: --summary takes a file\n"},
        {{"summary", "--files-from="}, kExitUsage, "", "--files-from takes a list file\n"},
        {{"embed", "t", "--max-report-size", "99999999999G"},
         kExitUsage,
         "",
         "--max-report-size takes"},
    };
    for (const auto& c : cases) {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const auto line = parseCommandLine(c.args);
        const auto out = ::testing::internal::GetCapturedStdout();
        const auto err = ::testing::internal::GetCapturedStderr();
        const auto shown = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_FALSE(line.command.has_value()) << shown;
        EXPECT_EQ(line.exitStatus, c.status) << shown;
        EXPECT_NE(out.find(c.out), std::string::npos) << shown << ": " << out;
        EXPECT_NE(err.find(c.err), std::string::npos) << shown << ": " << err;
        EXPECT_TRUE(c.status == kExitOk ? err.empty() : out.empty()) << shown;
    }
}

}  // namespace
}  // namespace undertext::cli
