#include "embed/core/prepared_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/embed/core/embed_test_support.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using testing::cp;
using Slots = std::vector<std::uint32_t>;

TEST(PrepareText, LettersAreLoweredJoinedAndCutIntoSlots) {
    const auto text = prepareLetters(cp("Мама мыла раму.\r\n"), Language::Russian);
    EXPECT_EQ(text.letters, cp("мамамылараму"));
    EXPECT_EQ(text.wordEnd, (Slots{0, 4, 8, 12, 12}));
    EXPECT_EQ(text.textWord(2), cp("мыла"));
    EXPECT_EQ(text.textWord(4), "");
    EXPECT_EQ(text.letterWord(1), 1U);
    EXPECT_EQ(text.letterWord(5), 2U);
    EXPECT_EQ(text.letterWord(12), 3U);

    EXPECT_EQ(prepareLetters(cp("КОТ"), Language::Russian).letters, cp("кот"));
}

TEST(PrepareText, LeadingSeparatorsYoAndForeignLettersOpenEmptySlots) {
    const auto leading = prepareLetters(cp(" кот"), Language::Russian);
    EXPECT_EQ(leading.wordEnd, (Slots{0, 0, 3}));
    EXPECT_EQ(leading.letterWord(1), 2U);

    const auto yo = prepareLetters(cp("ёлка"), Language::Russian);
    EXPECT_EQ(yo.wordEnd, (Slots{0, 0, 3}));
    EXPECT_EQ(yo.textWord(2), cp("лка"));
    EXPECT_EQ(prepareLetters(cp("коtт"), Language::Russian).wordEnd, (Slots{0, 2, 3}));

    const auto english = prepareLetters(cp("Don't кот"), Language::English);
    EXPECT_EQ(english.letters, "dont");
    EXPECT_EQ(english.wordEnd, (Slots{0, 3, 4, 4}));
}

TEST(PrepareText, RefusesThreeBytesAndWritesTheLetterFileFromFour) {
    undertext::testing::TempFolder folder;
    folder.write("short.txt", "abc");
    EXPECT_EQ(prepareText(folder.path(), "short.txt", Language::Russian).kind,
              PrepareResult::Kind::TextTooShort);
    EXPECT_FALSE(folder.exists("~$short.txt"));

    folder.write("dots.txt", "....");
    const auto dots = prepareText(folder.path(), "dots.txt", Language::Russian);
    ASSERT_EQ(dots.kind, PrepareResult::Kind::Prepared);
    EXPECT_EQ(dots.text.letterCount(), 0U);
    EXPECT_EQ(dots.text.wordCount(), 2U);

    folder.write("~$text.txt", "old content that is longer");
    folder.write("text.txt", cp("Кот ел."));
    const auto text = prepareText(folder.path(), "text.txt", Language::Russian);
    ASSERT_EQ(text.kind, PrepareResult::Kind::Prepared);
    EXPECT_EQ(folder.read("~$text.txt"), cp("котел"));
}

TEST(PrepareText, UnreadableSourceAndUnwritableLetterFileFailNamingTheFile) {
    undertext::testing::TempFolder folder;
    const auto missing = prepareText(folder.path(), "missing.txt", Language::Russian);
    EXPECT_EQ(missing.kind, PrepareResult::Kind::Failed);
    EXPECT_NE(missing.error.find("missing.txt"), std::string::npos);

    folder.write("text.txt", "some text");
    std::filesystem::create_directory(folder / "~$text.txt");
    const auto blocked = prepareText(folder.path(), "text.txt", Language::Russian);
    EXPECT_EQ(blocked.kind, PrepareResult::Kind::Failed);
    EXPECT_NE(blocked.error.find("~$text.txt"), std::string::npos);
}

}  // namespace
}  // namespace undertext::embed
