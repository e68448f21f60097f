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
        {{"--word", "кот", "--lang", "en"}, 0, ""},
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

}  // namespace
}  // namespace undertext::testing
