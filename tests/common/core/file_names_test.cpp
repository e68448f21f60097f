#include "common/core/file_names.h"

#include <gtest/gtest.h>

#include "common/core/codepage.h"
#include "common/core/file_io.h"
#include "common/core/memory_file.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

TEST(FileNames, PatternsIgnoreLatinAndCyrillicCase) {
    EXPECT_TRUE(matchesPattern("COMMON.DIC", "*.dic"));
    EXPECT_TRUE(matchesPattern("a.txt_Emb.txt", "a.txt_emb*.*"));
    EXPECT_TRUE(matchesPattern("ТЕКСТ.txt_RecPrep.txt", "текст.txt_Rec*.txt"));
    EXPECT_FALSE(matchesPattern("a.txt", "no file at all"));
    EXPECT_FALSE(matchesPattern("b.txt_Emb.txt", "a.txt_emb*.*"));
    EXPECT_TRUE(sameNameIgnoringCase("Ёлка", "ёЛКА"));
    EXPECT_FALSE(sameNameIgnoringCase("елка", "ёлка"));
}

TEST(FileNames, FindsTheStoredSpelling) {
    TempFolder folder;
    folder.write("Common.dic", "");
    EXPECT_EQ(findNameIgnoringCase(folder.path(), "COMMON.DIC")->filename(), "Common.dic");
    EXPECT_FALSE(findNameIgnoringCase(folder.path(), "other.dic"));
    std::filesystem::create_directories(folder / "Тексты/Old");
    const auto upper = folder.path() / "ТЕКСТЫ" / "OLD";
    EXPECT_EQ(resolvePathIgnoringCase(upper), folder.path() / "Тексты" / "Old");
    EXPECT_FALSE(resolvePathIgnoringCase(folder.path() / "missing" / "old"));
}

TEST(WholeFileWriting, ReplacesOnlyWhenComplete) {
    TempFolder folder;
    const auto target = folder.write("report.txt", "old");
    ASSERT_TRUE(writeWholeFile(target, "new\r\n"));
    EXPECT_EQ(folder.read("report.txt"), "new\r\n");
    // A target inside a "folder" that is a file cannot be written: the error names
    // it and nothing is left behind.
    const auto impossible = target / "x.txt";
    const auto status = writeWholeFile(impossible, "data");
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find("x.txt"), std::string::npos);
    EXPECT_EQ(folder.read("report.txt"), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_FALSE(readWholeFile(folder / "absent.txt"));
}

TEST(MemoryFile, ShortFilesAreDeletedAndIgnored) {
    TempFolder start;
    EXPECT_FALSE(readRememberedFolder(start.path(), kLastPathFile, true));
    start.write("LASTPATH.TXT", "\r\n");
    EXPECT_FALSE(readRememberedFolder(start.path(), kLastPathFile, true));
    EXPECT_FALSE(start.exists("LASTPATH.TXT"));
    start.write("LastPath.txt", "q\r\n");  // 3 bytes: a one-character folder
    EXPECT_EQ(readRememberedFolder(start.path(), kLastPathFile, true), std::filesystem::path("Q"));
}

TEST(MemoryFile, RememberedFolderIsReadBackUpperCasedAndResolved) {
    TempFolder start;
    std::filesystem::create_directories(start / "Мои тексты");
    const auto folder = start.path() / "Мои тексты";
    ASSERT_TRUE(writeRememberedFolder(start.path(), kLastPathFile, folder));
    EXPECT_EQ(start.read("LastPath.txt"), utf8ToCp1251(folder.string()) + "\r\n");
    EXPECT_EQ(readRememberedFolder(start.path(), kLastPathFile, true), folder);
    // A folder gone from the disk is handed back upper-cased, as it was read.
    std::filesystem::remove(folder);
    const auto gone = readRememberedFolder(start.path(), kLastPathFile, true);
    ASSERT_TRUE(gone);
    EXPECT_NE(gone->string().find("МОИ ТЕКСТЫ"), std::string::npos);
}

}  // namespace
}  // namespace undertext
