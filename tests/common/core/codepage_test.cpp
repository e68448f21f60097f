#include "common/core/codepage.h"

#include <gtest/gtest.h>

#include "common/core/letters.h"

namespace undertext {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
    EXPECT_TRUE(fitsCp1251(cp1251ToUtf8(all)));
}

TEST(Codepage, RussianLettersMapToTheirBytes) {
    EXPECT_EQ(utf8ToCp1251("Аая Ёё №"), "\xC0\xE0\xFF \xA8\xB8 \xB9");
    EXPECT_EQ(cp1251ToUtf8("\xCC\xE0\xEC\xE0"), "Мама");
}

TEST(Codepage, WhatTheCodePageCannotHoldBecomesASeparator) {
    const std::string text = utf8ToCp1251("я😀z中");
    EXPECT_EQ(text, "\xFF?z?");
    EXPECT_FALSE(isLetter(static_cast<unsigned char>(text[1]), Language::Russian));
    EXPECT_FALSE(isLetter(static_cast<unsigned char>(text[1]), Language::English));
    EXPECT_FALSE(fitsCp1251("😀"));
    // Malformed UTF-8: a lone continuation byte and a cut sequence.
    EXPECT_EQ(utf8ToCp1251("\x80"
                           "a\xD0"),
              "?a?");
}

TEST(Letters, ClassesAndCaseFollowTheByteRules) {
    EXPECT_TRUE(isLetter(192, Language::Russian));
    EXPECT_TRUE(isLetter(255, Language::Russian));
    EXPECT_FALSE(isLetter(168, Language::Russian));  // Ё
    EXPECT_FALSE(isLetter(184, Language::Russian));  // ё
    EXPECT_FALSE(isLetter('a', Language::Russian));
    EXPECT_TRUE(isLetter('Z', Language::English));
    EXPECT_FALSE(isLetter(224, Language::English));
    EXPECT_EQ(lowerLetter(192, Language::Russian), 224);
    EXPECT_EQ(lowerLetter('A', Language::Russian), 'A');
    EXPECT_EQ(lowerLetter('A', Language::English), 'a');
    EXPECT_EQ(upperAnyLetter(255), 223);
    EXPECT_EQ(upperAnyLetter('q'), 'Q');
    EXPECT_EQ(upperAnyLetter(184), 168);
}

TEST(Letters, LanguageGuessNeedsStrictlyMoreRussianLetters) {
    const std::string tenRussian(10, '\xE0');
    const std::string tenLatin(10, 'a');
    EXPECT_EQ(guessLanguage(tenRussian + tenLatin), Language::English);
    EXPECT_EQ(guessLanguage(tenRussian + "\xE0" + tenLatin), Language::Russian);
    EXPECT_EQ(guessLanguage("\xB8\xB8\xA8 123"), Language::English);  // only ё and Ё
    EXPECT_EQ(guessLanguage(""), Language::English);
}

}  // namespace
}  // namespace undertext
