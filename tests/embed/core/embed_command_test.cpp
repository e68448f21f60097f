#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/embed/core/embed_test_support.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using testing::cp;

// Runs the batch tool in folder with its standard error in folder/err.txt and
// returns its exit status.
int runTool(const undertext::testing::TempFolder& folder, const std::string& args) {
    const auto command = "cd '" + folder.path().string() + "' && '" UNDERTEXT_TOOL "' " + args +
                         " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EmbedCommand, WritesTheFourReportsBesideTheText) {
    undertext::testing::TempFolder folder;
    std::filesystem::create_directories(folder / "texts");
    std::filesystem::create_directories(folder / "dict");
    folder.write("dict/COMMON.DIC", cp("котел\r\nтел\r\nел\r\nкот\r\n"));
    folder.write("texts/a.txt", cp("Кот ел."));

    ASSERT_EQ(runTool(folder, "embed texts/a.txt --dict-dir dict"), 0) << folder.read("err.txt");
    EXPECT_EQ(cp1251ToUtf8(folder.read("texts/a.txt_Emb.txt")),
              "кот           котел,тел,\r\nел            \r\n              \r\n");
    EXPECT_NE(
        cp1251ToUtf8(folder.read("texts/a.txt_EmbSortByFriq.txt")).find("Коэффициент:  .6666667"),
        std::string::npos);
    EXPECT_TRUE(folder.exists("texts/a.txt_EmbSortByLen.txt"));
    EXPECT_TRUE(folder.exists("texts/a.txt_EmbSortByAlf.txt"));
    EXPECT_FALSE(folder.exists("texts/~$a.txt"));

    // English is guessed from the letters; without COMMON_E.DIC no module is chosen.
    folder.write("texts/e.txt", "The cat.");
    EXPECT_EQ(runTool(folder, "embed texts/e.txt --dict-dir dict"), 1);
    EXPECT_NE(folder.read("err.txt").find("Выберите модули словарей"), std::string::npos);
    EXPECT_EQ(runTool(folder, "embed texts/e.txt --dict-dir dict --lang ru --modules COMMON.DIC"),
              0);
    EXPECT_NE(folder.read("err.txt").find("Вложенных слов не найдено."), std::string::npos);
}

TEST(EmbedCommand, RefusalsAndUsageErrors) {
    undertext::testing::TempFolder folder;
    folder.write("COMMON.DIC", cp("кот\r\n"));
    folder.write("s.txt", "abc");
    EXPECT_EQ(runTool(folder, "embed s.txt --lang ru"), 1);
    EXPECT_NE(folder.read("err.txt").find("3 и более знаков"), std::string::npos);
    EXPECT_EQ(runTool(folder, "embed missing.txt --lang ru"), 1);
    EXPECT_NE(folder.read("err.txt").find("missing.txt"), std::string::npos);
    EXPECT_EQ(runTool(folder, "embed s.txt --lang de"), 2);
    EXPECT_EQ(runTool(folder, "embed"), 2);
    EXPECT_EQ(runTool(folder, "embed s.txt --colour red"), 2);
}

}  // namespace
}  // namespace undertext::embed
