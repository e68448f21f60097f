#include "common/core/text/letters.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

// One byte each, written as the character it stands for in Windows-1251.
unsigned char byteOf(const char* utf8) {
    const std::string cp1251 = utf8ToCp1251(utf8);
    EXPECT_EQ(cp1251.size(), 1u) << utf8;
    return static_cast<unsigned char>(cp1251.at(0));
}

TEST(Letters, WorkedExamplesOfClassesAndCase) {
    // A character, whether it is a Russian and an English letter, its lower case
    // in either language, and its upper case in any.
    const struct {
        const char* character;
        bool russian;
        bool english;
        const char* lowerRussian;
        const char* lowerEnglish;
        const char* upper;
    } cases[] = {
        {"А", true, false, "а", "А", "А"},   // 192, the first Russian letter
        {"Я", true, false, "я", "Я", "Я"},   // 223
        {"а", true, false, "а", "а", "А"},   // 224
        {"я", true, false, "я", "я", "Я"},   // 255
        {"Ё", false, false, "Ё", "Ё", "Ё"},  // 168
        {"ё", false, false, "ё", "ё", "Ё"},  // 184
        {"ї", false, false, "ї", "ї", "ї"},  // 191, just before А
        {"№", false, false, "№", "№", "№"},
        {"A", false, true, "A", "a", "A"},
        {"Z", false, true, "Z", "z", "Z"},
        {"a", false, true, "a", "a", "A"},
        {"z", false, true, "z", "z", "Z"},
        {"@", false, false, "@", "@", "@"},  // 64, just before A
        {"[", false, false, "[", "[", "["},  // 91, just after Z
        {"`", false, false, "`", "`", "`"},  // 96, just before a
        {"{", false, false, "{", "{", "{"},  // 123, just after z
        {"7", false, false, "7", "7", "7"},
        {" ", false, false, " ", " ", " "},
    };
    for (const auto& c : cases) {
        const auto byte = byteOf(c.character);
        EXPECT_EQ(isLetter(byte, Language::Russian), c.russian) << c.character;
        EXPECT_EQ(isLetter(byte, Language::English), c.english) << c.character;
        EXPECT_EQ(lowerLetter(byte, Language::Russian), byteOf(c.lowerRussian)) << c.character;
        EXPECT_EQ(lowerLetter(byte, Language::English), byteOf(c.lowerEnglish)) << c.character;
        EXPECT_EQ(upperAnyLetter(byte), byteOf(c.upper)) << c.character;
    }
}

TEST(Letters, LanguageGuessNeedsStrictlyMoreRussianLetters) {
    const std::string tenRussian(10, '\xE0');
    const std::string tenLatin(10, 'a');
    EXPECT_EQ(guessLanguage(tenRussian + " " + tenLatin), Language::English);
    EXPECT_EQ(guessLanguage(tenRussian + "\xE0 " + tenLatin), Language::Russian);
    EXPECT_EQ(guessLanguage("\xB8\xB8\xA8 123"), Language::English);  // only ё and Ё
    EXPECT_EQ(guessLanguage(""), Language::English);
}

}  // namespace
}  // namespace undertext
