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

}  // namespace
}  // namespace undertext
