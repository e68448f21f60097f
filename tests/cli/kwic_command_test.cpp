#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "testing/support/source_encodings.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

constexpr const char* kText =
    "Мама мыла раму, а папа\tмыл окно.\r\nКот ел котлету; котёнок ел кашу.\r\n\r\n"
    "Банана-ананас: ананас и банан!\r\n";

TEST(KwicCommand, PrintsTabSeparatedLinesAndRefusesBadInput) {
    TempFolder folder;
    folder.write("t.txt", utf8ToCp1251(kText));
    const struct {
        Words args;
        int status;
        std::string expected;  // standard output, or a part of the error
    } cases[] = {
        // Letters are lowered; «Кот» and «кот» of «котёнок» are whole words.
        {{"--word", "КОТ", "--width", "8"}, 0, "42\t Кот ел \tкот\tлету; ко\n"},
        {{"--word", "анаан", "--width", "3", "--lang", "ru"}, 0, "74\tБан\tана-ан\tана\n"},
        {{"--word", "кот", "--lang", "en"}, 2, "--word \"кот\" has no letter of English"},
        {{"--fragment", "А,  П", "--width", "5"}, 0, "17\tаму, \tа п\tапа м\n"},
        {{}, 2, "--word or --fragment"},
        {{"--word", "кот", "--fragment", "кот"}, 2, "--word or --fragment"},
        {{"--word", ""}, 2, "--word takes a word"},
        {{"--word", "кот", "--width", "-1"}, 2, "--width"},
        {{"--word", "кот", "--width", "9x"}, 2, "--width"},
        {{"--word", "кот", "--lang", "de"}, 2, "--lang"},
    };
    for (const auto& c : cases) {
        Words args{"kwic", "t.txt"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = runTool(folder, args);
        const auto shown = c.args.empty() ? std::string() : c.args[0] + " " + c.args[1];
        EXPECT_EQ(run.status, c.status) << shown << ": " << run.err;
        if (c.status == 0) {
            EXPECT_EQ(run.out, c.expected) << shown;
        } else {
            EXPECT_NE(run.err.find(c.expected), std::string::npos) << shown << ": " << run.err;
        }
    }
    const auto missing = runTool(folder, {"kwic", "missing.txt", "--word", "кот"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.txt"), std::string::npos) << missing.err;
}

TEST(KwicCommand, ReadsTheTextInItsEncodingAndCountsDecodedCharacters) {
    TempFolder folder;
    const auto original = utf8ToCp1251(kText);
    folder.write("w.txt", original);
    const Words query = {"--fragment", "ел ", "--width", "6"};
    auto args = Words{"kwic", "w.txt"};
    args.insert(args.end(), query.begin(), query.end());
    const auto expected = runTool(folder, args).out;
    ASSERT_EQ(expected, "39\t Кот \tел\t котле\n59\tтёнок \tел\t кашу.\n");
    const struct {
        SourceEncoding encoding;
        const char* option;
    } copies[] = {
        {kUtf8Bom, "auto"}, {kUtf16Be, "auto"}, {kUtf32Le, "auto"},
        {kUtf32Be, "auto"}, {kKoi8, "koi8-r"},
    };
    for (const auto& copy : copies) {
        folder.write("c.txt", TextEncoder(copy.encoding).encodeFile(original));
        args = {"kwic", "c.txt", "--encoding", copy.option};
        args.insert(args.end(), query.begin(), query.end());
        const auto run = runTool(folder, args);
        EXPECT_EQ(run.out, expected) << describeEncoding(copy.encoding) << ": " << run.err;
        EXPECT_NE(run.err.find("c.txt: " + describeEncoding(copy.encoding)), std::string::npos)
            << run.err;
    }
    // A forced encoding wins over the detected one: the original read as KOI8-R
    // holds other letters, «ел» not among them.
    args = {"kwic", "w.txt", "--encoding", "koi8-r"};
    args.insert(args.end(), query.begin(), query.end());
    const auto forced = runTool(folder, args);
    EXPECT_EQ(forced.out, "");
    EXPECT_NE(forced.err.find("w.txt: KOI8-R"), std::string::npos) << forced.err;
    // A character outside Windows-1251 is one character, shown as it stands; a
    // decomposed «й» is one letter.
    folder.write("u.txt",
                 "\xF0\x9F\x98\x80 \xD0\xB8\xCC\x86\xD0\xBA\xD0\xBE\xD1\x82! \xD0\xB4\xD0\xB0");
    EXPECT_EQ(runTool(folder, {"kwic", "u.txt", "--fragment", "йкот", "--width", "2"}).out,
              "3\t\xF0\x9F\x98\x80 \tйкот\t! \n");
    EXPECT_EQ(runTool(folder, {"kwic", "u.txt", "--word", "x", "--encoding", "utf-32"}).status, 2);
}

// A word or a fragment that could match nothing is refused before the search,
// the reason named; a value given empty after "=" is an empty value.
TEST(KwicCommand, RefusesWhatCouldMatchNothing) {
    TempFolder folder;
    folder.write("t.txt", utf8ToCp1251(kText));
    const std::pair<Words, const char*> cases[] = {
        {{"--word", "cat"}, "--word \"cat\" has no letter of Russian"},
        {{"--word", "ё"}, "--word \"ё\" has no letter of Russian"},
        {{"--word", "кто-то"}, "--word \"кто-то\" holds characters other than letters of Russian"},
        {{"--word", "кот", "--lang", "en"}, "--word \"кот\" has no letter of English"},
        {{"--fragment", ", "}, "--fragment \", \" has no letter of Russian"},
        {{"--fragment", "ё"}, "--fragment \"ё\" has no letter of Russian"},
        {{"--fragment", "\xFF\xFE"}, "has no letter of Russian"},
        {{"--fragment", "\t"}, "--fragment \"^I\" has no letter of Russian"},
        {{"--fragment", " "}, "--fragment \" \" has no letter of Russian"},
        {{"--word="}, "--word takes a word"},
        {{"--fragment="}, "--fragment takes a fragment"},
        {{"--word=", "--fragment="}, "takes a"},
        {{"--fragment=", "--word="}, "takes a"},
    };
    for (const auto& [args, message] : cases) {
        Words command{"kwic", "t.txt"};
        command.insert(command.end(), args.begin(), args.end());
        const auto run = runTool(folder, command);
        EXPECT_EQ(run.status, 2) << args[0] << ": " << run.err;
        EXPECT_TRUE(contains(run.err, message)) << args[0] << ": " << run.err;
        EXPECT_EQ(run.out, "") << args[0];
    }
    // A fragment with letters and other characters is the letters and blanks.
    EXPECT_EQ(runTool(folder, {"kwic", "t.txt", "--fragment", "\t,ел!", "--width", "2"}).out,
              "39\tт \tел\t к\n59\tк \tел\t к\n");
}

// No character of a text or a name reaches the terminal raw: control characters
// come out in caret notation.
TEST(KwicCommand, ShowsControlCharactersVisibly) {
    TempFolder folder;
    folder.write("c.txt", utf8ToCp1251("мама\x1b[31mКРАСНЫЙ мама") +
                              std::string("\0\x0b\x0c\x7f", 4) + utf8ToCp1251("мама"));
    EXPECT_EQ(runTool(folder, {"kwic", "c.txt", "--fragment", "мама", "--width", "6"}).out,
              "1\t\tмама\t^[[31mК\n"
              "18\tАСНЫЙ \tмама\t^@^K^L^?ма\n");
    // A C1 control from a UTF-8 text, and a name that holds ESC and a line feed.
    folder.write("u.txt",
                 "кот\xc2\x9b"
                 "2J кот");
    EXPECT_EQ(runTool(folder, {"kwic", "u.txt", "--fragment", "кот", "--width", "3"}).out,
              "1\t\tкот\tM-^[2J\n");
    const std::string name = "n\x1b]0;x\a\nb.txt";
    folder.write(name, utf8ToCp1251("мама мыла раму, мама мыла раму"));
    const auto run = runTool(folder, {"echoscan", name});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "./n^[]0;x^G^Jb.txt_RecPrep.txt\n")) << run.out;
    EXPECT_TRUE(contains(run.err, "encoding of n^[]0;x^G^Jb.txt: Windows-1251")) << run.err;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
}

}  // namespace
}  // namespace undertext::testing
