#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/core/files/owner_marks.h"
#include "common/core/text/codepage.h"
#include "testing/support/large_embed_run.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

// The writer's temporary files and the letter files in folder.
int leftovers(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto name = entry.path().filename().string();
        count += name.starts_with(".ut-") || name.starts_with("~$");
    }
    return count;
}

// Feeds bytes into the FIFO path once a reader opens it; the tool must open it once.
std::thread feed(const std::filesystem::path& path, std::string bytes) {
    ::signal(SIGPIPE, SIG_IGN);  // a failure to read must not end the test
    return std::thread([path, bytes = std::move(bytes)] {
        const int fd = ::open(path.c_str(), O_WRONLY);
        [[maybe_unused]] const auto written = ::write(fd, bytes.data(), bytes.size());
        ::close(fd);
    });
}

TEST(SafeTool, TextsAreReadOnceDevicesRefusedAndLeftoversCleared) {
    TempFolder folder;
    folder.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\n"));
    ::mkfifo((folder / "pipe.txt").c_str(), 0644);
    const std::string text = utf8ToCp1251("Кот ел, кот ел опять.");
    // A pipe gives its bytes once: a tool that opened it twice would wait for ever.
    for (const auto& [command, report] :
         {std::pair{"embed", "pipe.txt_Emb.txt"}, {"echoscan", "pipe.txt_RecPrep.txt"}}) {
        auto writer = feed(folder / "pipe.txt", text);
        const auto run = runTool(folder, {command, "pipe.txt"});
        writer.join();
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
        EXPECT_TRUE(folder.exists(report)) << report;
    }
    const auto device = runTool(folder, {"echoscan", "/dev/zero"});
    EXPECT_EQ(device.status, 1);
    EXPECT_TRUE(contains(device.err, "\"/dev/zero\". Это устройство, а не файл.")) << device.err;
    EXPECT_TRUE(contains(folder.read("pipe.txt_Emb.txt"), utf8ToCp1251("котел")));

    // Left by a killed run: removed by the next run in the folder; a user's own
    // file of such a name stays.
    const FileOwner killedRun{::getpid(), currentOwner().startTime + 1};
    folder.write("a.txt", text);
    ASSERT_TRUE(markOwner(folder.write(".ut-Ab12Cd", "half a report"), killedRun));
    ASSERT_TRUE(markOwner(folder.write("~$a.txt", utf8ToCp1251("котел")), killedRun));
    folder.write("~$notes.txt", "hello");
    ASSERT_EQ(runTool(folder, {"embed", "a.txt"}).status, 0);
    EXPECT_EQ(leftovers(folder.path()), 1);
    EXPECT_EQ(folder.read("~$notes.txt"), "hello");
}

TEST(SafeTool, RunningOutOfMemoryEndsInAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves its shadow memory up front and cannot start under
    // a small address-space limit; the release build runs this test.
    GTEST_SKIP();
#endif
    TempFolder folder;
    // A module of many words: about 50 MB in memory.
    std::string module;
    std::mt19937 random(7);
    for (int i = 0; i < 4'500'000; ++i) {
        module += std::to_string(random()) + "\r\n";
    }
    std::filesystem::create_directories(folder / "big");
    folder.write("big/COMMON_E.DIC", module);
    folder.write("COMMON_E.DIC", "a\r\nb\r\nab\r\nba\r\n");
    folder.write("t.txt", "ab ba ab ba abba baab");
    // A text of 80 MB (sparse: it costs no disk).
    {
        const int fd = ::open((folder / "huge.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::ftruncate(fd, 80 << 20), 0);
        ::close(fd);
    }
    const char* moduleMessage = "Недостаточно памяти для загрузки модуля словаря \"COMMON_E.DIC\".";
    const char* textMessage = "Недостаточно памяти для обработки файла \"huge.txt\".";
    const std::pair<Words, const char*> cases[] = {
        {{"create", "a b", "--dict-dir", "big"}, moduleMessage},
        {{"embed", "t.txt", "--dict-dir", "big"}, moduleMessage},
        {{"modules", "--dict-dir", "big"}, moduleMessage},
        {{"embed", "huge.txt"}, textMessage},
        {{"echoscan", "huge.txt"}, textMessage},
    };
    for (const auto& [args, message] : cases) {
        const auto run = runTool(folder, args, {RLIM_INFINITY, false, 60 << 20});
        EXPECT_EQ(run.status, 1) << args[0] << ": " << run.err;
        EXPECT_TRUE(contains(run.err, message)) << run.err;
        EXPECT_EQ(leftovers(folder.path()), 0) << args[0];
    }
}

TEST(SafeTool, InterruptStopsTheRunAndCleansUp) {
    TempFolder folder;
    const auto run = largeEmbedRun(6'000'000, 400'000);
    folder.write("t.txt", run.text);
    folder.write("COMMON_E.DIC", run.module);
    const std::string tool = UNDERTEXT_BINARY;
    const pid_t child = ::fork();
    if (child == 0) {
        ::chdir(folder.path().c_str());
        const int null = ::open("/dev/null", O_WRONLY);
        const int err = ::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::execl(tool.c_str(), tool.c_str(), "embed", "t.txt", "--lang", "en", nullptr);
        ::_exit(127);
    }
    // Interrupted once the run is under way: its letter file exists.
    for (int i = 0; i < 20000 && !folder.exists("~$t.txt"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(folder.exists("~$t.txt"));
    ::kill(child, SIGINT);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 130) << status;
    EXPECT_TRUE(folder.read("err.txt").ends_with("\nundertext: stopped\n"))
        << folder.read("err.txt");
    EXPECT_EQ(leftovers(folder.path()), 0);
}

}  // namespace
}  // namespace undertext::testing
