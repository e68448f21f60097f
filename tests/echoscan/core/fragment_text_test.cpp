#include "echoscan/core/fragment_text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/core/text/codepage.h"

namespace undertext::echoscan {
namespace {

TEST(FragmentText, KeepsTheLanguagesLettersLowerCasedWithSingleBlanks) {
    const std::tuple<const char*, Language, const char*> cases[] = {
        {"Мама мыла раму.\r\n", Language::Russian, "мама мыла раму "},
        {"\r\nДом, 12 ЯЗЫК", Language::Russian, " дом язык"},
        {"ёлка Ёж abc", Language::Russian, " лка ж "},
        {"Don't stop", Language::English, "don t stop"},
        {"abc123def [Zz]", Language::English, "abc def zz "},
        {"Мама мыла раму.", Language::English, " "},
        {"", Language::English, ""}};
    for (const auto& [source, language, prepared] : cases) {
        EXPECT_EQ(prepareFragmentText(utf8ToCp1251(source), language), utf8ToCp1251(prepared))
            << source;
    }
}

}  // namespace
}  // namespace undertext::echoscan
