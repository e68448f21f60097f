#include "common/core/files/memory_file.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"
#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

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
