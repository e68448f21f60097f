#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dictionary/dictionary.h"

namespace undertext {

// A dictionary word that the embedded-word search can never find: texts are
// searched through their letters lowered, byte for byte, in one language, so a
// word holding a capital, a blank, NUL, ё or any other byte that is no lower-case
// letter, or lower-case letters of both languages, matches nothing.
bool canNeverMatch(std::string_view word);

// The words of a dictionary that can never match: how many, and the first few of
// them (Windows-1251) to show.
struct UnmatchableWords {
    static constexpr std::size_t kShown = 3;

    std::size_t count = 0;
    std::vector<std::string> firstOnes;  // at most kShown
};

UnmatchableWords findUnmatchableWords(const DicWords& words);

}  // namespace undertext
