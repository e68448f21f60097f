#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

// The viewer the tool starts, named by the variable for as long as the object lives.
class ViewerStandIn {
  public:
    explicit ViewerStandIn(const std::string& program) {
        ::setenv("UNDERTEXT_VIEWER", program.c_str(), 1);
    }
    ~ViewerStandIn() { ::unsetenv("UNDERTEXT_VIEWER"); }
    ViewerStandIn(const ViewerStandIn&) = delete;
    ViewerStandIn& operator=(const ViewerStandIn&) = delete;
};

// What the stand-in wrote once it ran: its process, its session and its words.
std::optional<std::string> waitForLines(const TempFolder& folder, const char* name) {
    for (int tries = 0; tries < 300; ++tries) {
        if (folder.exists(name)) {
            const auto text = folder.read(name);
            if (text.ends_with("end\n")) {
                return text;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

TEST(ViewCommand, MissingOrNoFileIsAUsageError) {
    const TempFolder folder;
    const ViewerStandIn nowhere((folder / "never-started").string());
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"view", "missing.tsv"}, "undertext: no file missing.tsv\n"},
        {{"view"}, "undertext: view takes one FILE (see undertext view --help)\n"},
        {{"view", "a.tsv", "b.tsv"},
         "undertext: view takes one FILE (see undertext view --help)\n"},
    };
    folder.write("a.tsv", "x");
    folder.write("b.tsv", "x");
    for (const auto& each : cases) {
        SCOPED_TRACE(each.message);
        const auto run = runTool(folder, each.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, each.message);
    }
}

TEST(ViewCommand, TheViewerGetsTheAbsolutePathInASessionOfItsOwn) {
    const TempFolder folder;
    folder.write("corpus.tsv", "word\ttotal\ttexts\tper_million\tdp\n");
    folder.write("-x.tsv", "");
    std::filesystem::create_directory(folder / "sub");
    // The stand-in says who it is, then stays until the test ends it: the tool
    // must return without waiting for it.
    const auto standIn = folder.write(
        "viewer.sh",
        "#!/bin/sh\n"
        "out=\"$(dirname \"$0\")/started\"\n"
        "{ echo $$; cut -d' ' -f6 /proc/$$/stat; printf '%s\\n' \"$@\" end; } >\"$out.part\"\n"
        "mv \"$out.part\" \"$out\"\n"
        "exec sleep 30\n");
    ::chmod(standIn.c_str(), 0755);
    const ViewerStandIn viewer(standIn.string());
    const struct {
        std::vector<std::string> args;
        const char* file;
    } cases[] = {
        {{"view", "corpus.tsv"}, "corpus.tsv"},
        {{"view", "sub/../corpus.tsv"}, "corpus.tsv"},
        {{"view", "--", "-x.tsv"}, "-x.tsv"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.args.back());
        std::filesystem::remove(folder / "started");
        const auto run = runTool(folder, each.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const auto started = waitForLines(folder, "started");
        ASSERT_TRUE(started.has_value());
        std::istringstream lines(*started);
        std::string process, session, file, end;
        std::getline(lines, process);
        std::getline(lines, session);
        std::getline(lines, file);
        std::getline(lines, end);
        // Still running: the tool did not wait for it.
        EXPECT_EQ(::kill(std::stoi(process), SIGTERM), 0);
        EXPECT_EQ(session, process);
        EXPECT_EQ(file, (folder / each.file).string());
        EXPECT_EQ(end, "end");
    }
}

TEST(ViewCommand, AViewerThatCannotStartIsSaid) {
    const TempFolder folder;
    folder.write("corpus.tsv", "x");
    const auto notProgram = folder.write("not-a-program", "x");  // not executable
    const struct {
        std::string program;
        const char* reason;
    } cases[] = {
        {(folder / "missing-viewer").string(), "No such file or directory"},
        {notProgram.string(), "Permission denied"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.program);
        const ViewerStandIn viewer(each.program);
        const auto run = runTool(folder, {"view", "corpus.tsv"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err,
                  "undertext: cannot start the viewer " + each.program + ": " + each.reason + "\n");
    }
}

}  // namespace
}  // namespace undertext::testing
