#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "testing/support/source_encodings.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

const std::string kText = utf8ToCp1251(
    "Кот ел котлету, а котёл стоял на плите.\r\nТело кота — тёплое; «Котел» ел тело котла.\r\n"
    "Мама мыла раму, мама мыла окно.\r\n");

// One folder per copy of the text: w/ holds the Windows-1251 original, the others
// the same text in another encoding, all under the same file name.
struct CopiesFolder : TempFolder {
    CopiesFolder() {
        write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\nмыла\r\nама\r\n"));
        for (const auto& [folder, encoding] : copies()) {
            std::filesystem::create_directories(*this / folder);
            write(folder + "/t.txt", TextEncoder(encoding).encodeFile(kText));
        }
    }
    static std::vector<std::pair<std::string, SourceEncoding>> copies() {
        return {{"w", {}}, {"u", kUtf8}, {"b", kUtf8Bom}, {"k", kKoi8}, {"s", kUtf16Le}};
    }
    // Every file a run wrote in folder w/ must be in the other folder too, as the
    // Windows-1251 bytes converted to that folder's encoding.
    void expectSameReports(const std::vector<const char*>& suffixes) const {
        for (const auto& [folder, encoding] : copies()) {
            for (const auto* suffix : suffixes) {
                const auto original = read("w/t.txt" + std::string(suffix));
                ASSERT_FALSE(original.empty()) << suffix;
                EXPECT_EQ(read(folder + "/t.txt" + suffix),
                          TextEncoder(encoding).encodeFile(original))
                    << folder << suffix;
            }
        }
    }
};

TEST(EncodingTool, EmbedAndEchoscanWriteTheOriginalsReportsInEachCopysEncoding) {
    CopiesFolder folder;
    for (const auto& [name, encoding] : CopiesFolder::copies()) {
        const auto embed = runTool(folder, {"embed", name + "/t.txt"});
        ASSERT_EQ(embed.status, 0) << embed.err;
        EXPECT_NE(embed.err.find("t.txt: " + describeEncoding(encoding)), std::string::npos)
            << embed.err;
        const auto echoscan = runTool(folder, {"echoscan", name + "/t.txt", "--min", "3"});
        ASSERT_EQ(echoscan.status, 0) << echoscan.err;
    }
    folder.expectSameReports({"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt",
                              "_EmbSortByAlf.txt", "_RecPrep.txt", "_RecSortByLen.txt",
                              "_RecSortByAlf.txt", "_RecSortByFriq.txt"});
    // The Windows-1251 original is read as it always was.
    EXPECT_EQ(folder.read("w/t.txt_RecPrep.txt").substr(0, 12), utf8ToCp1251("кот ел котле"));
}

TEST(EncodingTool, OverridesReplacedBytesAndUsageErrors) {
    TempFolder folder;
    folder.write("COMMON.DIC", utf8ToCp1251("кот\r\n"));
    folder.write("stray.txt", "кот ел \xFF котлету");
    const auto stray = runTool(folder, {"embed", "stray.txt"});
    EXPECT_EQ(stray.status, 0);
    EXPECT_NE(stray.err.find("stray.txt: UTF-8"), std::string::npos) << stray.err;
    EXPECT_NE(stray.err.find("1 invalid bytes replaced"), std::string::npos) << stray.err;
    // KOI8-R forced on Windows-1251 bytes reads other letters (capitals there), and
    // writes the prepared text in KOI8-R. What a forced UTF-8 replaces is the decoder's test.
    folder.write("win.txt", utf8ToCp1251("мама мыла"));
    const auto koi = runTool(folder, {"echoscan", "win.txt", "--encoding", "koi8-r", "--min", "1"});
    EXPECT_EQ(koi.status, 0) << koi.err;
    EXPECT_EQ(folder.read("win.txt_RecPrep.txt"),
              TextEncoder(kKoi8).encode(utf8ToCp1251("люлю лшкю")));

    for (const auto& command : {"embed", "echoscan", "create"}) {
        const auto run = runTool(folder, {command, "win.txt", "--encoding", "latin-1"});
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find("--encoding takes one of auto, windows-1251, utf-8"),
                  std::string::npos)
            << run.err;
    }
}

TEST(EncodingTool, CreateSavesUtf8OnRequestAndModulesAreListedWithTheirEncodings) {
    TempFolder folder;
    const std::string module = utf8ToCp1251("мамаша\r\nыла\r\nрамушка\r\n");
    folder.write("COMMON.DIC", module);
    ASSERT_EQ(runTool(folder, {"create", "Мама мыла", "--save", "w.txt"}).status, 0);
    const auto utf8 =
        runTool(folder, {"create", "Мама мыла", "--save", "u.txt", "--encoding", "utf-8"});
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(folder.read("u.txt"), TextEncoder(kUtf8).encode(folder.read("w.txt")));
    // A decomposed й in the phrase is the letter й.
    EXPECT_EQ(runTool(folder, {"create", "Мои\u0306 мыла"}).out,
              runTool(folder, {"create", "Мой мыла"}).out);

    std::filesystem::create_directories(folder / "d");
    folder.write("d/common.dic", module);
    folder.write("d/u.dic", TextEncoder(kUtf8).encode(module));
    folder.write("d/s.dic", TextEncoder(kUtf16Le).encodeFile(module));
    const auto listed = runTool(folder, {"modules", "--dict-dir", "d"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(
        listed.out,
        "common.dic\t3 words\tWindows-1251\ns.dic\t3 words\tUTF-16LE BOM\nu.dic\t3 words\tUTF-8\n"
        "Default Russian module: common.dic\n"
        "Default English module: missing (COMMON_E.DIC)\n");
}

// Blank lines are no words; words that can never match are named once, when the
// modules are listed and when a run loads them; a UTF-32 module is read.
TEST(EncodingTool, ModulesCountNoBlankLinesAndNameWordsThatCanNeverMatch) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "d");
    folder.write("d/a.dic", utf8ToCp1251("кот\r\n\r\n  \r\nрама\r\n"));
    folder.write("d/b.dic", utf8ToCp1251("Кот\r\nкот кот\r\nx") + std::string(1, '\0') +
                                utf8ToCp1251("y\r\nёж\r\nтел\r\n"));
    folder.write("d/c.dic", TextEncoder(kUtf32Le).encodeFile(utf8ToCp1251("котел\r\nтел\r\n")));
    const std::string note =
        "undertext: b.dic: 4 words can never match, holding what is no lower-case letter of "
        "one language: \"Кот\", \"кот кот\", \"x^@y\", ...\n";
    const auto listed = runTool(folder, {"modules", "--dict-dir", "d"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "a.dic\t2 words\tWindows-1251\nb.dic\t5 words\tWindows-1251\n"
              "c.dic\t2 words\tUTF-32LE BOM\n"
              "Default Russian module: missing (COMMON.DIC)\n"
              "Default English module: missing (COMMON_E.DIC)\n");
    EXPECT_EQ(listed.err, note);

    folder.write("t.txt", utf8ToCp1251("Кот ел котлету."));
    const auto run =
        runTool(folder, {"embed", "t.txt", "--dict-dir", "d", "--modules", "b.dic,c.dic,b.dic"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.err, note)) << run.err;
    EXPECT_EQ(run.err.find(note), run.err.rfind(note)) << run.err;
    EXPECT_TRUE(contains(folder.read("t.txt_EmbSortByAlf.txt"), utf8ToCp1251("котел")));
}

}  // namespace
}  // namespace undertext::testing
