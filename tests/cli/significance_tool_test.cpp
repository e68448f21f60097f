#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
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

// A row of a tab-separated file (UTF-8) by its first field: the other fields.
std::vector<std::string> rowOf(const std::string& tsv, const std::string& word) {
    std::istringstream lines(tsv);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string field;
        std::getline(fields, field, '\t');
        if (field == word) {
            std::vector<std::string> rest;
            while (std::getline(fields, field, '\t')) {
                rest.push_back(field);
            }
            return rest;
        }
    }
    return {};
}

double number(const std::string& field) {
    return std::stod(field);
}

// Two texts in t/; «котел» stands in a.txt only.
void writeTwoTexts(TempFolder& folder) {
    std::filesystem::create_directory(folder / "t");
    folder.write("t/a.txt", utf8ToCp1251("Кот ел. Котел и кот ел, тело тела."));
    folder.write("t/b.txt", utf8ToCp1251("Тот кот, а тело кота тут ел."));
}

// The summary's expected count of a word is the sum of the texts' own, and of
// the texts where it was not found too.
TEST(EmbedTool, ACorpusSummaryAddsTheTextsExpectationsAndTestsTheTotal) {
    TempFolder folder;
    folder.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\n"));
    writeTwoTexts(folder);
    const auto run =
        runTool(folder, {"embed", "t", "--significance", "--summary", "s.tsv", "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto summary = folder.read("s.tsv");
    EXPECT_EQ(summary.substr(0, summary.find('\n')),
              "word\ttotal\ttexts\tper_million\tdp\texpected\tratio\tq");
    const auto a = folder.read("t/a.txt_EmbSignificance.tsv");
    const auto b = folder.read("t/b.txt_EmbSignificance.tsv");

    const auto kot = rowOf(summary, "кот");  // total texts per_million dp expected ratio q
    ASSERT_EQ(kot.size(), 7U) << summary;
    const double kotExpected = number(rowOf(a, "кот").at(1)) + number(rowOf(b, "кот").at(1));
    EXPECT_NEAR(number(kot[4]), kotExpected, 1e-3 * kotExpected);
    EXPECT_NEAR(number(kot[5]), number(kot[0]) / number(kot[4]), 1e-3 * number(kot[5]));
    EXPECT_TRUE(contains(kot[6], "e")) << kot[6];

    const auto kotel = rowOf(summary, "котел");
    ASSERT_EQ(kotel.size(), 7U) << summary;
    EXPECT_TRUE(rowOf(b, "котел").empty()) << b;
    EXPECT_GT(number(kotel[4]), number(rowOf(a, "котел").at(1)) * 1.05);
    // Two letters are not tested under the model of order 1.
    EXPECT_EQ(rowOf(summary, "ел").at(6), "-");
}

// No text can be tested: the plain summary, the reason once, status 1.
TEST(EmbedTool, ACorpusSummaryWithNothingToTestIsThePlainOne) {
    TempFolder folder;
    folder.write("SHORT.DIC", utf8ToCp1251("тел\r\nел\r\n"));
    writeTwoTexts(folder);
    for (const auto& command : {Words{"embed", "t"}, Words{"summary", "embed", "t"}}) {
        auto words = command;
        words.insert(words.end(), {"--model", "2", "--modules", "SHORT.DIC", "--dict-dir", ".",
                                   "--summary", "s.tsv", "--quiet"});
        const auto run = runTool(folder, words);
        EXPECT_EQ(run.status, 1) << command[0];
        const std::string reason = "в выбранных модулях нет слов, длина которых больше 3.";
        EXPECT_TRUE(contains(run.err, reason)) << run.err;
        EXPECT_EQ(run.err.find(reason), run.err.rfind(reason)) << run.err;
        EXPECT_EQ(folder.read("s.tsv").substr(0, folder.read("s.tsv").find('\n') + 1),
                  "word\ttotal\ttexts\tper_million\tdp\n");
    }
    const auto echoscan =
        runTool(folder, {"summary", "echoscan", "t", "--significance", "--summary", "s.tsv"});
    EXPECT_EQ(echoscan.status, 2);
    EXPECT_TRUE(contains(echoscan.err, "--significance and --model are embed's")) << echoscan.err;
}

}  // namespace
}  // namespace undertext::testing
