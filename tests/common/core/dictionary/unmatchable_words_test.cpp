#include "common/core/dictionary/unmatchable_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

TEST(UnmatchableWords, WordsOfLowerCaseLettersOfOneLanguageCanMatch) {
    const struct {
        std::string word;  // UTF-8
        bool neverMatches;
    } cases[] = {
        {"котел", false},
        {"cat", false},
        {"я", false},
        {"Котел", true},
        {"caT", true},
        {"кот кот", true},
        {std::string("ко") + '\0' + "т", true},
        {"ёж", true},
        {"кто-то", true},
        {"k9", true},
        {"котcat", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(canNeverMatch(utf8ToCp1251(c.word)), c.neverMatches) << c.word;
    }
}

TEST(UnmatchableWords, AreCountedWithTheFirstOnesShown) {
    DicWords words;
    for (const char* word : {"кот", "Кот", "пёс", "cat", "a b", "ТЕЛ", "тел"}) {
        words.append(utf8ToCp1251(word));
    }
    const auto found = findUnmatchableWords(words);
    EXPECT_EQ(found.count, 4u);
    EXPECT_EQ(found.firstOnes,
              (std::vector<std::string>{utf8ToCp1251("Кот"), utf8ToCp1251("пёс"), "a b"}));
    EXPECT_EQ(findUnmatchableWords(DicWords()).count, 0u);
}

}  // namespace
}  // namespace undertext
