#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

constexpr const char* kReports =
    "t/a.txt_Emb.txt\nt/a.txt_EmbSortByFriq.txt\n"
    "t/a.txt_EmbSortByLen.txt\nt/a.txt_EmbSortByAlf.txt\n";

TEST(EmbedTool, ListsTheSignificanceFileAfterTheReportsOrSaysWhyThereIsNone) {
    const struct {
        Words options;
        int status;
        std::string out;
        const char* err;  // a part of standard error
    } cases[] = {
        {{}, 0, kReports, ""},
        {{"--significance"}, 0, std::string(kReports) + "t/a.txt_EmbSignificance.tsv\n", ""},
        {{"--model", "0"}, 0, std::string(kReports) + "t/a.txt_EmbSignificance.tsv\n", ""},
        // No word of the module is longer than the model's order + 1: the reports
        // stay, the note goes to standard error and the run succeeds.
        {{"--significance", "--model", "2", "--modules", "SHORT.DIC"},
         0,
         kReports,
         "Оценка случайности невозможна: в выбранных модулях нет слов, длина которых больше 3."},
        {{"--model", "3"}, 2, "", "--model takes 0, 1 or 2"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\n"));
        folder.write("SHORT.DIC", utf8ToCp1251("тел\r\nел\r\n"));
        std::filesystem::create_directory(folder / "t");
        folder.write("t/a.txt", utf8ToCp1251("Кот ел. Котел и кот ел."));
        Words words = {"embed", "t/a.txt", "--dict-dir", "."};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const auto run = runTool(folder, words);
        const auto shown = c.options.empty() ? std::string("(none)") : c.options.back();
        EXPECT_EQ(run.status, c.status) << shown << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << shown;
        EXPECT_TRUE(contains(run.err, c.err)) << shown << ": " << run.err;
        EXPECT_EQ(folder.exists("t/a.txt_EmbSignificance.tsv"), contains(c.out, "EmbSignificance"))
            << shown;
    }
}

}  // namespace
}  // namespace undertext::testing
