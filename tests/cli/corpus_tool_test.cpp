#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

std::string cp(const std::string& utf8) {
    return utf8ToCp1251(utf8);
}

// A small collection, the same in two places: corpus/ for a run over it all,
// single/ for a run on each text alone. One text is UTF-8, one lies in a subfolder.
const std::map<std::string, std::string>& collection() {
    static const std::map<std::string, std::string> texts{
        {"a.txt", cp("Кот ел котел. Мама мыла раму, мама мыла окно.\r\n")},
        {"b.txt", "Котел тел, кот ел, кот тел. Рама у мамы.\n"},
        {"sub/c.txt", cp("Телекот ел кота. Мама мыла раму мама.\r\n")},
    };
    return texts;
}

struct CorpusFolder : TempFolder {
    CorpusFolder() {
        write("COMMON.DIC", cp("котел\r\nтел\r\nел\r\nкот\r\nмама\r\nрама\r\n"));
        for (const auto& place : {"corpus", "single"}) {
            for (const auto& [name, bytes] : collection()) {
                const auto path = std::string(place) + "/" + name;
                fs::create_directories((*this / path).parent_path());
                write(path, bytes);
            }
        }
    }

    // The files beside the texts of a place, by name within it.
    std::map<std::string, std::string> written(const std::string& place) const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(*this / place)) {
            const auto name = fs::relative(entry.path(), *this / place).string();
            if (entry.is_regular_file() && !collection().contains(name)) {
                files[name] = read(place + "/" + name);
            }
        }
        return files;
    }
};

const Words kCommands[] = {{"embed"}, {"echoscan", "--min", "3"}};

TEST(CorpusTool, EachTextGetsTheReportsOfASingleRunOnIt) {
    for (const auto& command : kCommands) {
        CorpusFolder folder;
        for (const auto& [name, bytes] : collection()) {
            auto single = command;
            single.insert(single.begin() + 1, "single/" + name);
            ASSERT_EQ(runTool(folder, single).status, 0) << name;
        }
        auto corpus = command;
        corpus.insert(corpus.end(), {"corpus", "-j", "2", "--quiet"});
        const auto run = runTool(folder, corpus);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "") << command[0];
        EXPECT_FALSE(folder.written("single").empty());
        EXPECT_EQ(folder.written("corpus"), folder.written("single")) << command[0];
    }
}

// A text whose reports are being synced lets the next one run, so even with one
// job the texts may finish in another order; the counts rise all the same.
TEST(CorpusTool, ProgressIsOneLinePerTextWhenNotOnATerminal) {
    CorpusFolder folder;
    const auto run = runTool(folder, {"embed", "corpus", "-j", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.err);
    std::vector<std::string> names;
    std::string line;
    for (int done = 1; std::getline(lines, line); ++done) {
        const std::string lead = "undertext: " + std::to_string(done) + "/3 ";
        ASSERT_TRUE(line.starts_with(lead)) << run.err;
        names.push_back(line.substr(lead.size()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Words{"corpus/a.txt", "corpus/b.txt", "corpus/sub/c.txt"})) << run.err;
}

// At a terminal the last line offers the viewer for the summary; a script's
// standard error does not get it.
TEST(CorpusTool, ASummaryIsOfferedToTheViewerOnlyAtATerminal) {
    CorpusFolder folder;
    const auto plain = runTool(folder, {"embed", "corpus", "--summary", "s.tsv"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_FALSE(contains(plain.err, "undertext view")) << plain.err;
    // script(1) gives the tool a terminal and copies what it shows to a file.
    const std::string command = "cd '" + folder.path().string() + "' && script -qec \"'" +
                                UNDERTEXT_BINARY +
                                "' embed corpus --summary s.tsv\" /dev/null > shown.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(contains(folder.read("shown.txt"), "undertext: to see it: undertext view s.tsv"))
        << folder.read("shown.txt");
}

TEST(CorpusTool, AFailingTextIsNamedAndTheOthersAreDone) {
    for (const auto& command : kCommands) {
        CorpusFolder folder;
        folder.write("corpus/short.txt", "ab");
        auto corpus = command;
        corpus.insert(corpus.end(), {"corpus", "--quiet", "--summary", "s.tsv"});
        const auto run = runTool(folder, corpus);
        EXPECT_EQ(run.status, 1) << command[0];
        EXPECT_TRUE(contains(run.err, "undertext: corpus/short.txt: ")) << run.err;
        EXPECT_TRUE(folder.exists("corpus/sub/c.txt_" + std::string(command[0] == "embed"
                                                                        ? "EmbSortByFriq.txt"
                                                                        : "RecSortByFriq.txt")));
        // The summary holds the texts that were done, and only them.
        const auto byText = folder.read("s.by-text.tsv");
        EXPECT_TRUE(contains(byText, "corpus/sub/c.txt\t")) << byText;
        EXPECT_FALSE(contains(byText, "short.txt")) << byText;
    }
}

// The summary of a run over the collection, and the one `undertext summary` makes
// from the reports the run left: the same bytes.
TEST(CorpusTool, TheSummaryCommandRebuildsTheRunsSummaryFromItsReports) {
    const struct {
        Words run;
        Words summary;
        bool significance;  // the summary has the columns expected, ratio and q
    } cases[] = {
        {{"embed", "corpus"}, {"summary", "embed", "corpus"}, false},
        {{"embed", "corpus", "--lang", "ru"},
         {"summary", "embed", "corpus", "--lang", "ru"},
         false},
        {{"echoscan", "corpus", "--min", "3", "--max", "9"},
         {"summary", "echoscan", "corpus", "--min", "3", "--max", "9"},
         false},
        {{"embed", "corpus", "--significance"},
         {"summary", "embed", "corpus", "--significance"},
         true},
        {{"embed", "corpus", "--model", "2"}, {"summary", "embed", "corpus", "--model", "2"}, true},
    };
    for (const auto& c : cases) {
        CorpusFolder folder;
        auto run = c.run;
        run.insert(run.end(), {"--quiet", "--summary", "run.tsv"});
        const auto ran = runTool(folder, run);
        ASSERT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(ran.out, "run.tsv\nrun.by-text.tsv\n");
        auto summary = c.summary;
        summary.insert(summary.end(), {"--quiet", "--summary", "again.tsv", "-j", "2"});
        const auto again = runTool(folder, summary);
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(folder.read("again.tsv"), folder.read("run.tsv")) << c.run[0];
        EXPECT_EQ(folder.read("again.by-text.tsv"), folder.read("run.by-text.tsv")) << c.run[0];
        EXPECT_TRUE(contains(folder.read("run.by-text.tsv"), "corpus/sub/c.txt\t"));
        EXPECT_EQ(contains(folder.read("run.tsv"), "\tdp\texpected\tratio\tq\n"), c.significance)
            << c.run[0];
    }
}

// --no-reports: the same summary, and nothing beside the texts (no significance
// file either); without a summary the run would leave nothing at all, so it is
// refused before any text is read.
TEST(CorpusTool, WithoutReportsOnlyTheSummaryIsWritten) {
    const Words commands[] = {kCommands[0], kCommands[1], {"embed", "--significance"}};
    for (const auto& command : commands) {
        CorpusFolder withReports;
        auto run = command;
        run.insert(run.end(), {"corpus", "--quiet", "--summary", "s.tsv"});
        ASSERT_EQ(runTool(withReports, run).status, 0) << command[0];

        CorpusFolder bare;
        run.push_back("--no-reports");
        const auto ran = runTool(bare, run);
        ASSERT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(bare.written("corpus"), (std::map<std::string, std::string>{})) << command[0];
        EXPECT_EQ(bare.read("s.tsv"), withReports.read("s.tsv")) << command[0];
        EXPECT_EQ(bare.read("s.by-text.tsv"), withReports.read("s.by-text.tsv")) << command[0];

        auto noSummary = command;
        noSummary.insert(noSummary.end(), {"corpus/a.txt", "--no-reports"});
        const auto refused = runTool(bare, noSummary);
        EXPECT_EQ(refused.status, 2) << command[0];
        EXPECT_TRUE(contains(refused.err, "--no-reports takes --summary")) << refused.err;
    }
}

// Each bad input: the status, a part of the message, and what the run leaves.
TEST(CorpusTool, BadInputIsNamedAndNothingIsWrittenHalf) {
    const struct Case {
        const char* label;
        std::function<void(const TempFolder&)> prepare;
        Words args;
        int status;
        const char* err;
        bool summaryWritten;
        const char* notInByText;  // a text the summary must not hold; "" for none
    } cases[] = {
        {"a folder with no texts",
         [](const TempFolder& f) { fs::create_directory(f / "empty"); },
         {"embed", "empty"},
         1,
         "no texts (*.txt) in the folder empty",
         false,
         ""},
        {"a text given twice",
         [](const TempFolder&) {},
         {"embed", "corpus/a.txt", "./corpus/a.txt", "corpus/b.txt"},
         0,
         "./corpus/a.txt is the same text as corpus/a.txt; taken once",
         true,
         "./corpus/a.txt"},
        {"a folder symlink loop",
         [](const TempFolder& f) { fs::create_directory_symlink("..", f / "corpus/sub/up"); },
         {"echoscan", "corpus", "--min", "3"},
         0,
         "leads back into a folder that holds it",
         true,
         ""},
        {"a list with blank lines, a missing file and CR LF",
         [](const TempFolder& f) {
             f.write("list", "corpus/a.txt\r\n\r\n \t\r\nmissing.txt\r\ncorpus/b.txt\r\n");
         },
         {"embed", "--files-from", "list"},
         1,
         "no file or folder missing.txt",
         true,
         ""},
        {"a summary inside the text folder, on the second run",
         [](const TempFolder& f) { f.write("corpus/s.txt", "written by an earlier run"); },
         {"embed", "corpus", "--summary", "corpus/s.txt"},
         0,
         "",
         true,
         "s.txt"},
        {"a malformed report",
         [](const TempFolder& f) { f.write("corpus/b.txt_EmbSortByFriq.txt", "no report\r\n"); },
         {"summary", "embed", "corpus"},
         1,
         "corpus/b.txt_EmbSortByFriq.txt is not a frequency report of this program",
         true,
         "corpus/b.txt"},
        {"a report of another range",
         [](const TempFolder&) {},
         {"summary", "echoscan", "corpus", "--min", "5"},
         1,
         "corpus/a.txt_RecSortByFriq.txt is not a report of the range 5 to 40",
         true,
         "corpus/a.txt"},
    };
    for (const auto& c : cases) {
        CorpusFolder folder;
        // Reports from earlier runs, for the summary command to read.
        ASSERT_EQ(runTool(folder, {"embed", "corpus", "--quiet"}).status, 0);
        ASSERT_EQ(runTool(folder, {"echoscan", "corpus", "--min", "3", "--quiet"}).status, 0);
        c.prepare(folder);
        auto args = c.args;
        const bool ownSummary = std::find(args.begin(), args.end(), "--summary") != args.end();
        if (!ownSummary) {
            args.insert(args.end(), {"--summary", "s.tsv"});
        }
        args.push_back("--quiet");
        const auto run = runTool(folder, args);
        EXPECT_EQ(run.status, c.status) << c.label << ": " << run.err;
        EXPECT_TRUE(contains(run.err, c.err)) << c.label << ": " << run.err;
        const std::string summary = ownSummary ? "corpus/s.txt" : "s.tsv";
        const std::string byText = ownSummary ? "corpus/s.by-text.txt" : "s.by-text.tsv";
        EXPECT_EQ(folder.exists(summary) && folder.exists(byText), c.summaryWritten) << c.label;
        EXPECT_EQ(folder.exists(summary), folder.exists(byText)) << c.label;
        if (c.summaryWritten && *c.notInByText) {
            EXPECT_FALSE(contains(folder.read(byText), std::string(c.notInByText) + "\t"))
                << c.label << ": " << folder.read(byText);
        }
    }
}

// kwic over many texts prints each text's lines, as a run on it alone prints them,
// with the text's path before each.
TEST(CorpusTool, KwicOverManyTextsPutsEachTextsPathFirst) {
    for (const auto& pattern : {Words{"--word", "тел"}, Words{"--fragment", "ма"}}) {
        CorpusFolder folder;
        std::string expected;
        for (const auto& [name, bytes] : collection()) {
            Words single{"kwic", "corpus/" + name, "--width", "6"};
            single.insert(single.end(), pattern.begin(), pattern.end());
            const auto alone = runTool(folder, single);
            ASSERT_EQ(alone.status, 0) << alone.err;
            std::istringstream lines(alone.out);
            for (std::string line; std::getline(lines, line);) {
                expected += "corpus/" + name + "\t" + line + "\n";
            }
        }
        Words many{"kwic", "corpus", "--width", "6"};
        many.insert(many.end(), pattern.begin(), pattern.end());
        const auto run = runTool(folder, many);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(run.out, expected) << pattern[1];
    }
}

}  // namespace
}  // namespace undertext::testing
