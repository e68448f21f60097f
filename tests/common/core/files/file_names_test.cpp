#include "common/core/files/file_names.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace undertext
