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

// Runs `undertext create ARGS` in folder; arguments are passed through the shell
// quoted with single quotes.
Outcome runCreate(const TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "cd '" + folder.path().string() + "' && '" UNDERTEXT_BINARY "' create";
    for (const auto& arg : args) {
        command += " '" + arg + "'";
    }
    command += " 2>stderr.txt";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
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
    EXPECT_TRUE(english.out == "orca tart tart opal \norca  tart opal \n" ||
                english.out == "orca  tart opal \norca tart tart opal \n")
        << english.out;
    const auto saved = folder.read("out.txt");
    const auto second = english.out.substr(english.out.find('\n') + 1);
    EXPECT_NE(saved.find(utf8ToCp1251("\" ") + "CAT TOP   \""), std::string::npos);
    EXPECT_NE(saved.find("\" " + std::string(second == "orca tart tart opal \n"
                                                 ? "ORCA TART TART OPAL  \""
                                                 : "ORCA  TART OPAL  \"")),
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
    EXPECT_EQ(runCreate(folder, {std::string(81, 'a')}).status, 2);
    EXPECT_EQ(runCreate(folder, {"cat", "--lang", "xx"}).status, 2);
    EXPECT_EQ(runCreate(folder, {"cat", "--variants", "0"}).status, 2);
    const auto noLetter = runCreate(folder, {"123 🙂"});
    EXPECT_EQ(noLetter.status, 1);
    EXPECT_NE(noLetter.err.find("Исходный текст"), std::string::npos);
    const auto noModule = runCreate(folder, {"мир"});
    EXPECT_EQ(noModule.status, 1);
    EXPECT_NE(noModule.err.find("Выберите модули словарей."), std::string::npos);
    const auto unwritable = runCreate(folder, {"cat", "--save", "file.txt/out.txt"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("out.txt"), std::string::npos);
}

}  // namespace
}  // namespace undertext::testing
