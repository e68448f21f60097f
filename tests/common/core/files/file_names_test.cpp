#include "common/core/files/file_names.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"
#include "common/core/files/file_io.h"
#include "common/core/files/memory_file.h"
#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

TEST(FileNames, MatchAndFindWithoutRegardToLatinAndCyrillicCase) {
    EXPECT_TRUE(matchesPattern("COMMON.DIC", "*.dic"));
    EXPECT_TRUE(matchesPattern("ТЕКСТ.txt_RecPrep.txt", "текст.txt_Rec*.txt"));
    EXPECT_FALSE(matchesPattern("a.txt", "no file at all"));
    EXPECT_FALSE(matchesPattern("b.txt_Emb.txt", "a.txt_emb*.*"));
    EXPECT_TRUE(sameNameIgnoringCase("Ёлка", "ёЛКА"));
    EXPECT_FALSE(sameNameIgnoringCase("елка", "ёлка"));

    TempFolder folder;
    std::filesystem::create_directories(folder / "Тексты/Old");
    EXPECT_EQ(resolvePathIgnoringCase(folder.path() / "ТЕКСТЫ" / "OLD"),
              folder.path() / "Тексты" / "Old");
    EXPECT_FALSE(resolvePathIgnoringCase(folder.path() / "missing" / "old"));
}

TEST(MemoryFile, HoldsTheFolderInWindows1251AndReadsItBackUpperCased) {
    TempFolder start;
    const auto folder = start.path() / "Мои тексты";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(writeRememberedFolder(start.path(), kLastPathFile, folder));
    EXPECT_EQ(start.read("LastPath.txt"), utf8ToCp1251(folder.string()) + "\r\n");
    EXPECT_EQ(readRememberedFolder(start.path(), kLastPathFile, true), folder);
    // A folder gone from the disk is handed back upper-cased, as it was read.
    std::filesystem::remove(folder);
    const auto gone = readRememberedFolder(start.path(), kLastPathFile, true);
    EXPECT_NE(gone.value_or("").string().find("МОИ ТЕКСТЫ"), std::string::npos);
    // 3 bytes give a one-character folder; 2 bytes are deleted and ignored.
    start.write("LastPath.txt", "q\r\n");
    EXPECT_EQ(readRememberedFolder(start.path(), kLastPathFile, true), std::filesystem::path("Q"));
    start.write("LastPath.txt", "\r\n");
    EXPECT_FALSE(readRememberedFolder(start.path(), kLastPathFile, false));
    EXPECT_TRUE(start.exists("LastPath.txt"));
    EXPECT_FALSE(readRememberedFolder(start.path(), kLastPathFile, true));
    EXPECT_FALSE(start.exists("LastPath.txt"));
}

}  // namespace
}  // namespace undertext
