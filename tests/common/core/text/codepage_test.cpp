#include "common/core/text/codepage.h"

#include <gtest/gtest.h>

#include "common/core/text/letters.h"

namespace undertext {
namespace {

TEST(Codepage, RoundTripsEveryByteAndMarksWhatItCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
    EXPECT_TRUE(fitsCp1251(cp1251ToUtf8(all)));
    EXPECT_EQ(utf8ToCp1251("Аая Ёё №"), "\xC0\xE0\xFF \xA8\xB8 \xB9");
    EXPECT_EQ(cp1251ToUtf8("\xCC\xE0\xEC\xE0"), "Мама");
    // Characters outside the code page and malformed UTF-8 become '?', a separator.
    EXPECT_EQ(utf8ToCp1251("я😀z中"), "\xFF?z?");
    EXPECT_EQ(utf8ToCp1251("\x80"
                           "a\xD0"),
              "?a?");
    EXPECT_FALSE(fitsCp1251("😀"));
    EXPECT_FALSE(isLetter('?', Language::Russian) || isLetter('?', Language::English));
}

TEST(Letters, ClassesAndCaseFollowTheByteRules) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(isLetter(byte, Language::Russian), b >= 192) << b;
        EXPECT_EQ(isLetter(byte, Language::English), (b >= 65 && b <= 90) || (b >= 97 && b <= 122))
            << b;
        EXPECT_EQ(lowerLetter(byte, Language::Russian), b >= 192 && b <= 223 ? b + 32 : b) << b;
        EXPECT_EQ(lowerLetter(byte, Language::English), b >= 65 && b <= 90 ? b + 32 : b) << b;
    }
    EXPECT_EQ(upperAnyLetter(184), 168);  // ё
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
