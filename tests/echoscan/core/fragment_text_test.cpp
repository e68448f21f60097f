#include "echoscan/core/fragment_text.h"

#include <gtest/gtest.h>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

TEST(FragmentText, RussianLettersAreLowerCasedAndSeparatorRunsBecomeOneBlank) {
    EXPECT_EQ(prepareFragmentText(cp("Мама мыла раму.\r\n"), Language::Russian),
              cp("мама мыла раму "));
    EXPECT_EQ(prepareFragmentText(cp("\r\nДом, 12 окон"), Language::Russian), cp(" дом окон"));
    // Ё and ё are separators, and so is every Latin letter in Russian mode.
    EXPECT_EQ(prepareFragmentText(cp("ёлка Ёж abc"), Language::Russian), cp(" лка ж "));
    EXPECT_EQ(prepareFragmentText(cp("ЯЗЫК"), Language::Russian), cp("язык"));
}

TEST(FragmentText, EnglishKeepsOnlyLatinLetters) {
    EXPECT_EQ(prepareFragmentText("Don't stop", Language::English), "don t stop");
    EXPECT_EQ(prepareFragmentText("abc123def", Language::English), "abc def");
    EXPECT_EQ(prepareFragmentText(cp("Мама мыла раму.\r\n"), Language::English), " ");
    EXPECT_EQ(prepareFragmentText("", Language::English), "");
    EXPECT_EQ(prepareFragmentText("[Zz]", Language::English), " zz ");
}

TEST(FragmentText, WritesThePreparedFileBesideTheSource) {
    testing::TempFolder folder;
    const auto source = folder.write("text.txt", cp("Мама мыла раму.\r\n"));
    const auto prepared =
        writeFragmentText(source, folder / "text.txt_RecPrep.txt", Language::Russian);
    ASSERT_TRUE(prepared) << prepared.error();
    EXPECT_EQ(prepared.value(), cp("мама мыла раму "));
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), cp("мама мыла раму "));
}

}  // namespace
}  // namespace undertext
