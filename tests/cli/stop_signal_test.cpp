#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/core/text/codepage.h"
#include "testing/support/signalled_child.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using namespace std::chrono_literals;
using Words = std::vector<std::string>;

const struct StopSignal {
    int number;
    int status;  // of a program that stopped cleanly
} kStopSignals[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};

// The names in folder but for the tool's standard output and error.
std::set<std::string> filesIn(const TempFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const auto name = entry.path().filename().string();
        if (name != ".stdout" && name != ".stderr") {
            names.insert(name);
        }
    }
    return names;
}

bool holdsLargeTemporary(const TempFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        std::error_code error;
        if (entry.path().filename().string().starts_with(".ut-") &&
            entry.file_size(error) > (1 << 20)) {
            return true;
        }
    }
    return false;
}

bool holdsTemporary(const TempFolder& folder) {
    for (const auto& name : filesIn(folder)) {
        if (name.starts_with(".ut-") || name.starts_with("~$")) {
            return true;
        }
    }
    return false;
}

// The tool with args in folder; its standard output goes to out.
SignalledChild startTool(const TempFolder& folder, const Words& args,
                         const std::string& out = "/dev/null") {
    return SignalledChild(
        [&] { return execTool(folder, args, out, (folder / ".stderr").string()); });
}

// Waits until the tool has its handlers, then until ready() holds, and sends the
// signal; the tool must end with the signal's status within seconds (not after its
// whole work), saying so.
void expectStopsAtOnce(SignalledChild& tool, const TempFolder& folder, const StopSignal& signal,
                       const std::function<bool()>& ready, const std::string& label) {
    ASSERT_TRUE(tool.awaitWhileRunning([&] { return tool.catches(signal.number); }, 10s)) << label;
    ASSERT_TRUE(tool.awaitWhileRunning(ready, 30s)) << label << ": " << folder.read(".stderr");
    tool.send(signal.number);
    EXPECT_EQ(describeEnd(tool.awaitEnd(10s)), exitedWith(signal.status)) << label;
    EXPECT_LT(tool.signalToEnd(), 5s) << label;
    EXPECT_TRUE(folder.read(".stderr").ends_with("undertext: stopped\n"))
        << label << ": " << folder.read(".stderr");
}

TEST(StopSignal, AToolWaitingForItsTextOnAFifoEndsAtOnceHavingWrittenNothing) {
    const Words commands[] = {
        {"echoscan", "f.txt"}, {"kwic", "f.txt", "--word", "кот"}, {"embed", "f.txt"}};
    for (const auto& command : commands) {
        for (const auto& signal : kStopSignals) {
            TempFolder folder;
            folder.write("COMMON.DIC", utf8ToCp1251("кот\r\n"));
            ASSERT_EQ(::mkfifo((folder / "f.txt").c_str(), 0644), 0);
            const auto before = filesIn(folder);
            auto tool = startTool(folder, command);
            const auto label = command[0] + " " + std::to_string(signal.number);
            expectStopsAtOnce(
                tool, folder, signal, [] { return true; }, label);
            EXPECT_EQ(filesIn(folder), before) << label;
        }
    }
}

TEST(StopSignal, KwicStopsAtOnceWhileSearchingOrPrinting) {
    TempFolder folder;
    // Periodic text: a long word stands at every other letter, each line of
    // output over 200,000 characters; short words give a great many short lines,
    // and in a great many of them the search takes a while.
    std::string periodic;
    for (int i = 0; i < 150'000; ++i) {
        periodic += utf8ToCp1251("ам");
    }
    folder.write("periodic.txt", periodic);
    std::string longWord;
    for (int i = 0; i < 30'000; ++i) {
        longWord += "ам";
    }
    std::mt19937 random(5);
    const auto words = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += utf8ToCp1251(random() % 2 ? "мама " : "рама ");
        }
        return text;
    };
    folder.write("words.txt", words(400'000));
    folder.write("many.txt", words(6'000'000));
    const auto printing = [](SignalledChild& tool) { return tool.bytesWritten() > (4 << 20); };
    const auto searching = [](SignalledChild&) {
        std::this_thread::sleep_for(300ms);  // read, and into the search
        return true;
    };
    const struct {
        Words args;
        std::function<bool(SignalledChild&)> ready;
    } runs[] = {
        {{"kwic", "periodic.txt", "--word", longWord, "--width", "100000"}, printing},
        {{"kwic", "words.txt", "--word", "ам", "--width", "100000"}, printing},
        {{"kwic", "words.txt", "--fragment", "ама ", "--width", "1000"}, printing},
        {{"kwic", "many.txt", "--word", "ам"}, searching},
        {{"kwic", "many.txt", "--fragment", "ам"}, searching},
    };
    for (const auto& run : runs) {
        for (const auto& signal : kStopSignals) {
            auto tool = startTool(folder, run.args);
            expectStopsAtOnce(
                tool, folder, signal, [&] { return run.ready(tool); },
                run.args[1] + " " + run.args[3].substr(0, 8) + " " + std::to_string(signal.number));
        }
    }
}

// A text whose reports are large: many words standing twice, the rows padded to
// one long word that stands twice too.
std::string textOfLargeReports() {
    std::mt19937 random(3);
    const auto randomWord = [&](int length) {
        std::string word;
        for (int i = 0; i < length; ++i) {
            word += static_cast<char>(0xE0 + random() % 32);
        }
        return word;
    };
    const auto longWord = randomWord(4000);
    std::vector<std::string> words{longWord, longWord};
    for (int i = 0; i < 8000; ++i) {
        words.push_back(randomWord(7));
        words.push_back(words.back());
    }
    std::shuffle(words.begin(), words.end(), random);
    std::string text;
    for (const auto& word : words) {
        text += word + ' ';
    }
    return text;
}

TEST(StopSignal, EchoscanStoppedWhileWritingLeavesNoTemporaryFile) {
    TempFolder folder;
    folder.write("t.txt", textOfLargeReports());
    for (const auto& signal : kStopSignals) {
        auto tool = startTool(folder, {"echoscan", "t.txt", "--max", "5000"});
        const auto label = std::to_string(signal.number);
        ASSERT_TRUE(tool.awaitWhileRunning([&] { return tool.catches(signal.number); }, 10s));
        ASSERT_TRUE(tool.awaitWhileRunning([&] { return holdsLargeTemporary(folder); }, 60s))
            << folder.read(".stderr");
        tool.send(signal.number);
        EXPECT_EQ(describeEnd(tool.awaitEnd(60s)), exitedWith(signal.status)) << label;
        EXPECT_TRUE(folder.read(".stderr").ends_with("undertext: stopped\n"))
            << folder.read(".stderr");
        EXPECT_FALSE(holdsTemporary(folder)) << label;
    }
}

TEST(StopSignal, ASecondSignalEndsAToolAtOnce) {
    TempFolder folder;
    folder.write("t.txt", textOfLargeReports());
    auto tool = startTool(folder, {"echoscan", "t.txt", "--max", "5000"});
    ASSERT_TRUE(tool.awaitWhileRunning([&] { return tool.catches(SIGTERM); }, 10s));
    ASSERT_TRUE(tool.awaitWhileRunning([&] { return holdsLargeTemporary(folder); }, 60s));
    tool.send(SIGTERM);
    std::this_thread::sleep_for(20ms);
    tool.send(SIGINT);
    // Ended by the second signal, unless the first one's stop came first.
    const auto end = describeEnd(tool.awaitEnd(10s));
    EXPECT_TRUE(end == "signal 2" || end == exitedWith(143)) << end;
    EXPECT_LT(tool.signalToEnd(), 1s);
}

// A stop in the middle of a run over many texts: the texts done keep their reports,
// the others get none, no temporary file is left anywhere and no summary is written.
TEST(StopSignal, ACorpusRunStopsAllItsTextsCleanly) {
    // Echoscan's texts take long enough to be stopped among them; the pool and its
    // stop are the same for every command.
    const Words command{"echoscan", "corpus", "-j", "2", "--summary", "s.tsv"};
    TempFolder folder;
    std::filesystem::create_directory(folder / "corpus");
    std::mt19937 random(9);
    constexpr int kTexts = 40;
    for (int t = 0; t < kTexts; ++t) {
        std::string text;
        while (text.size() < 300'000) {
            text += utf8ToCp1251(random() % 2 ? "мама мыла раму " : "кот у рамы ");
        }
        folder.write("corpus/t" + std::to_string(100 + t) + ".txt", text);
    }
    const auto reportsIn = [&] {
        int reports = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder / "corpus")) {
            reports += entry.path().string().ends_with("SortByFriq.txt");
        }
        return reports;
    };
    auto tool = startTool(folder, command);
    expectStopsAtOnce(
        tool, folder, kStopSignals[0], [&] { return reportsIn() > 0; }, command[0]);
    EXPECT_LT(reportsIn(), kTexts) << command[0];
    for (const auto& entry : std::filesystem::directory_iterator(folder / "corpus")) {
        const auto name = entry.path().filename().string();
        EXPECT_FALSE(name.starts_with(".ut-") || name.starts_with("~$")) << name;
    }
    EXPECT_FALSE(folder.exists("s.tsv") || folder.exists("s.by-text.tsv")) << command[0];
}

}  // namespace
}  // namespace undertext::testing
