#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

std::string cp(const char* utf8) {
    return utf8ToCp1251(utf8);
}

// Runs `undertext embed args` in folder and gives its exit status and standard error.
std::pair<int, std::string> embed(const undertext::testing::TempFolder& folder,
                                  const std::string& args) {
    const auto command = "cd '" + folder.path().string() + "' && '" UNDERTEXT_TOOL "' embed " +
                         args + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.read("err.txt")};
}

TEST(EmbedCommand, WritesTheReportsBesideTheTextAndRefusesBadInput) {
    undertext::testing::TempFolder folder;
    std::filesystem::create_directories(folder / "texts");
    std::filesystem::create_directories(folder / "dict");
    folder.write("dict/COMMON.DIC", cp("котел\r\nтел\r\nел\r\nкот\r\n"));
    folder.write("texts/a.txt", cp("Кот ел."));
    ASSERT_EQ(embed(folder, "texts/a.txt --dict-dir dict"), std::pair(0, std::string()));
    EXPECT_EQ(cp1251ToUtf8(folder.read("texts/a.txt_Emb.txt")),
              "кот           котел,тел,\r\nел            \r\n              \r\n");
    for (const auto* suffix : {"Friq", "Len", "Alf"}) {
        EXPECT_TRUE(folder.exists("texts/a.txt_EmbSortBy" + std::string(suffix) + ".txt"));
    }
    EXPECT_FALSE(folder.exists("texts/~$a.txt"));

    // English is guessed from the letters, and there is no English module.
    folder.write("texts/e.txt", "The cat.");
    const std::pair<const char*, std::pair<int, const char*>> cases[] = {
        {"texts/e.txt --dict-dir dict", {1, "Выберите модули словарей"}},
        {"texts/e.txt --dict-dir dict --lang ru", {0, "Вложенных слов не найдено."}},
        {"missing.txt --dict-dir dict --lang ru", {1, "missing.txt"}},
        {"texts/a.txt --lang de", {2, "--lang"}}};
    for (const auto& [args, expected] : cases) {
        const auto [status, error] = embed(folder, args);
        EXPECT_EQ(status, expected.first) << args;
        EXPECT_NE(error.find(expected.second), std::string::npos) << args << ": " << error;
    }
}

}  // namespace
}  // namespace undertext::embed
