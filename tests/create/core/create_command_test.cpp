#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext::testing {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `undertext create ARGS` in folder, each argument quoted for the shell.
Outcome runCreate(const TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "cd '" + folder.path().string() + "' && '" UNDERTEXT_BINARY "' create";
    for (const auto& arg : args) {
        command += " '" + arg + "'";
    }
    Outcome outcome;
    FILE* pipe = ::popen((command + " 2>stderr.txt").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        outcome.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.err = folder.read("stderr.txt");
    return outcome;
}

TEST(CreateCommand, PrintsVariantsAndWritesTheResultsFile) {
    TempFolder folder;
    folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
    folder.write("COMMON.DIC", utf8ToCp1251("мамаша\r\nыла\r\nрамушка\r\n"));
    const auto english = runCreate(folder, {"cat top", "--variants", "2", "--save", "out.txt"});
    EXPECT_EQ(english.status, 0) << english.err;
    // The two variants of 'cat top', in either order; the file holds the second.
    const std::string mode0 = "orca tart tart opal ";
    const std::string mode3 = "orca  tart opal ";
    const bool mode0First = english.out == mode0 + "\n" + mode3 + "\n";
    EXPECT_TRUE(mode0First || english.out == mode3 + "\n" + mode0 + "\n") << english.out;
    const auto saved = folder.read("out.txt");
    EXPECT_TRUE(saved.starts_with(std::string(20, '=') + "\" CAT TOP   \"")) << saved;
    EXPECT_NE(saved.find(mode0First ? "\" ORCA  TART OPAL  \"" : "\" ORCA TART TART OPAL  \""),
              std::string::npos);
    EXPECT_FALSE(folder.exists("LastPathSynth.txt"));

    const auto russian = runCreate(folder, {"Мама мыла"});
    EXPECT_EQ(russian.status, 0) << russian.err;
    EXPECT_EQ(russian.out, "мамаша  мыла  \n");
}

TEST(CreateCommand, RefusesBadInputWithTheRightStatus) {
    TempFolder folder;
    folder.write("COMMON_E.DIC", "orca\r\n");
    folder.write("file.txt", "x");
    // Usage errors (2), then refusals and failures (1) with a message naming the cause.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{std::string(81, 'a')}, 2, "80"},
        {{"cat", "--variants", "0"}, 2, "--variants"},
        {{"123 🙂"}, 1, "Исходный текст"},
        {{"мир"}, 1, "Выберите модули словарей."},
        {{"cat", "--save", "file.txt/out.txt"}, 1, "out.txt"},
    };
    for (const auto& [args, status, message] : cases) {
        const auto refused = runCreate(folder, args);
        EXPECT_EQ(refused.status, status) << args.front();
        EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace undertext::testing
