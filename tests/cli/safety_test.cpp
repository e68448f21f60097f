#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/core/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode;
}

TEST(SafeTool, SaveFollowsLinksAndRefusesWhatIsNotAWritableFile) {
    TempFolder folder;
    folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
    ::mkfifo((folder / "fifo").c_str(), 0644);
    folder.write("real.txt", "old");
    std::filesystem::create_symlink("real.txt", folder / "link.txt");
    folder.write("readonly.txt", "old");
    ::chmod((folder / "readonly.txt").c_str(), 0444);
    const std::string longName(250, 'r');
    const struct {
        std::string target;
        int status;
        const char* message;  // part of standard error
        std::string holder;   // the file that holds the result afterwards
    } cases[] = {
        {"fifo", 1, "Не удалось записать файл \"fifo\". Это не обычный файл.", ""},
        {"readonly.txt", 1, "Не удалось записать файл \"readonly.txt\". Файл защищён от записи.",
         ""},
        {"link.txt", 0, "", "real.txt"},
        {longName, 0, "", longName},
    };
    for (const auto& [target, status, message, holder] : cases) {
        const auto run = runTool(folder, {"create", "cat top", "--save", target});
        EXPECT_EQ(run.status, status) << target << ": " << run.err;
        EXPECT_TRUE(contains(run.err, message)) << run.err;
        EXPECT_TRUE(holder.empty() || contains(folder.read(holder), "ORCA")) << target;
        EXPECT_EQ(leftovers(folder.path()), 0) << target;
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(folder / "fifo")));
    EXPECT_TRUE(S_ISLNK(modeOf(folder / "link.txt")));
    EXPECT_EQ(folder.read("readonly.txt"), "old");
}

TEST(SafeTool, TextsAreReadOnceDevicesRefusedAndLeftoversCleared) {
    TempFolder folder;
    folder.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\n"));
    ::mkfifo((folder / "pipe.txt").c_str(), 0644);
    const std::string text = utf8ToCp1251("Кот ел, кот ел опять.");
    const struct {
        Words args;
        bool fifo;
        int status;
        const char* message;
        const char* report;  // written when the run succeeds
    } cases[] = {
        {{"embed", "pipe.txt"}, true, 0, "", "pipe.txt_Emb.txt"},
        {{"echoscan", "pipe.txt"}, true, 0, "", "pipe.txt_RecPrep.txt"},
        {{"embed", "/dev/zero"}, false, 1, "\"/dev/zero\". Это устройство, а не файл.", nullptr},
        {{"echoscan", "/dev/zero", "--lang", "ru"},
         false,
         1,
         "Это устройство, а не файл.",
         nullptr},
    };
    for (const auto& [args, fifo, status, message, report] : cases) {
        auto writer = fifo ? feed(folder / "pipe.txt", text) : std::thread();
        const auto run = runTool(folder, args);
        if (writer.joinable()) {
            writer.join();
        }
        EXPECT_EQ(run.status, status) << args[1] << ": " << run.err;
        EXPECT_TRUE(contains(run.err, message)) << run.err;
        EXPECT_TRUE(!report || folder.exists(report)) << report;
    }
    EXPECT_TRUE(contains(folder.read("pipe.txt_Emb.txt"), utf8ToCp1251("котел")));

    // Left by a killed run: removed by the next run in the folder.
    folder.write("a.txt", text);
    folder.write(".ut-Ab12Cd", "half a report");
    folder.write("~$a.txt", utf8ToCp1251("котел"));
    ASSERT_EQ(runTool(folder, {"embed", "a.txt"}).status, 0);
    EXPECT_EQ(leftovers(folder.path()), 0);
}

TEST(SafeTool, LimitsOfMemoryAndFileSizeEndInAMessage) {
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
    std::string reportText;
    for (int i = 0; i < 200; ++i) {
        reportText += "ab ba abba ";
    }
    folder.write("long.txt", reportText);
    // A text of 80 MB (sparse: it costs no disk).
    {
        const int fd = ::open((folder / "huge.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::ftruncate(fd, 80 << 20), 0);
        ::close(fd);
    }
    constexpr ChildLimits kMemory{RLIM_INFINITY, false, 60 << 20};
    const char* moduleMessage = "Недостаточно памяти для загрузки модуля словаря \"COMMON_E.DIC\".";
    const struct {
        Words args;
        ChildLimits limits;
        const char* message;
    } cases[] = {
        {{"create", "a b", "--dict-dir", "big"}, kMemory, moduleMessage},
        {{"embed", "t.txt", "--dict-dir", "big"}, kMemory, moduleMessage},
        {{"modules", "--dict-dir", "big"}, kMemory, moduleMessage},
        {{"embed", "huge.txt"}, kMemory, "Недостаточно памяти для обработки файла \"huge.txt\"."},
        {{"echoscan", "huge.txt"},
         kMemory,
         "Недостаточно памяти для обработки файла \"huge.txt\"."},
        {{"embed", "long.txt"},
         {2000, false, RLIM_INFINITY},
         "Не удалось записать файл \"./long.txt_Emb.txt\". Превышен допустимый размер файла."},
    };
    for (const auto& [args, limits, message] : cases) {
#if defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer reserves its shadow memory up front and cannot start
        // under a small address-space limit; the release build runs these cases.
        if (limits.addressSpace != RLIM_INFINITY) {
            continue;
        }
#endif
        const auto run = runTool(folder, args, limits);
        EXPECT_EQ(run.status, 1) << args[0] << ": " << run.err;
        EXPECT_TRUE(contains(run.err, message)) << run.err;
        EXPECT_EQ(leftovers(folder.path()), 0) << args[0];
    }
}

TEST(SafeTool, InterruptStopsTheRunAndCleansUp) {
    TempFolder folder;
    std::mt19937 random(11);
    std::string text, module;
    for (int i = 0; i < 6'000'000; ++i) {
        text += static_cast<char>('a' + random() % 3);
        text += random() % 8 ? "" : " ";
    }
    for (int i = 0; i < 400'000; ++i) {
        module += std::string(1 + random() % 6, static_cast<char>('a' + random() % 3)) + "\r\n";
    }
    folder.write("t.txt", text);
    folder.write("COMMON_E.DIC", module);
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
