#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/core/codepage.h"
#include "common/core/dictionary.h"

namespace undertext::embed::testing {

// Windows-1251 bytes of a UTF-8 literal.
inline std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

inline DicWords dicWordsOf(const std::vector<std::string>& words) {
    DicWords dicWords;
    for (const auto& word : words) {
        dicWords.append(word);
    }
    return dicWords;
}

}  // namespace undertext::embed::testing
