#include "create/core/phrase_words.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"

namespace undertext::create {
namespace {

using Words = std::vector<std::string>;

TEST(PhraseWords, SplitsOnEveryNonLetterOfTheLanguage) {
    EXPECT_EQ(splitPhrase("Hello, world!!", Language::English).words, (Words{"hello", "world"}));
    const auto yo = splitPhrase(utf8ToCp1251(" ёлка "), Language::Russian);  // ё separates
    EXPECT_EQ(yo.words, Words{utf8ToCp1251("лка")});
    EXPECT_EQ(yo.letterCount, 3);
    EXPECT_EQ(splitPhrase("only latin", Language::Russian).letterCount, 0);
}

}  // namespace
}  // namespace undertext::create
