#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext::testing {
namespace {

// Runs `undertext create ARGS` (ARGS quoted for the shell) in folder, its output
// going to "stdout.txt" and "stderr.txt" there; returns the exit status.
int runCreate(const TempFolder& folder, const std::string& args) {
    const int status =
        std::system(("cd '" + folder.path().string() + "' && '" UNDERTEXT_BINARY "' create " +
                     args + " >stdout.txt 2>stderr.txt")
                        .c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CreateCommand, PrintsVariantsAndWritesTheResultsFile) {
    TempFolder folder;
    folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
    folder.write("COMMON.DIC", utf8ToCp1251("мамаша\r\nыла\r\nрамушка\r\n"));
    EXPECT_EQ(runCreate(folder, "'cat top' --variants 2 --save out.txt"), 0);
    // The two variants of 'cat top', in either order; the file holds the second.
    const std::string mode0 = "orca tart tart opal ";
    const std::string mode3 = "orca  tart opal ";
    const auto out = folder.read("stdout.txt");
    EXPECT_TRUE(out == mode0 + "\n" + mode3 + "\n" || out == mode3 + "\n" + mode0 + "\n") << out;
    const auto saved = folder.read("out.txt");
    EXPECT_TRUE(saved.starts_with(std::string(20, '=') + "\" CAT TOP   \"")) << saved;
    EXPECT_NE(saved.find(out.starts_with(mode0) ? "\" ORCA  TART OPAL  \""
                                                : "\" ORCA TART TART OPAL  \""),
              std::string::npos);
    EXPECT_FALSE(folder.exists("LastPathSynth.txt"));

    EXPECT_EQ(runCreate(folder, "'Мама мыла'"), 0);
    EXPECT_EQ(folder.read("stdout.txt"), "мамаша  мыла  \n");
}

TEST(CreateCommand, RefusesBadInputWithTheRightStatus) {
    TempFolder folder;
    folder.write("COMMON_E.DIC", "orca\r\n");
    folder.write("file.txt", "x");
    // Usage errors (2), then refusals and failures (1) with a message naming the cause.
    const std::tuple<std::string, int, std::string> cases[] = {
        {std::string(81, 'a'), 2, "80"},
        {"cat --variants 0", 2, "--variants"},
        {"'123 🙂'", 1, "Исходный текст"},
        {"мир", 1, "Выберите модули словарей."},
        {"cat --save file.txt/out.txt", 1, "out.txt"},
    };
    for (const auto& [args, status, message] : cases) {
        EXPECT_EQ(runCreate(folder, args), status) << args;
        EXPECT_NE(folder.read("stderr.txt").find(message), std::string::npos) << args;
    }
}

}  // namespace
}  // namespace undertext::testing
