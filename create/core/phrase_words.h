#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"

namespace undertext::create {

// The phrase split into words: the letters of the language, lower-cased; every
// other byte separates words, runs of separators counting as one.
struct PhraseWords {
    std::vector<std::string> words;
    int letterCount = 0;
};

PhraseWords splitPhrase(std::string_view phrase, Language language);

// The text written back into the phrase box: each word followed by one blank,
// then one more blank ("мама мыла раму" gives the words and two final blanks;
// no word gives a single blank).
std::string normalisedPhrase(const std::vector<std::string>& words);

// The language the phrase box selects for a phrase (Windows-1251): English when
// its first byte is below 192, Russian otherwise; an empty phrase keeps Russian.
Language languageOfPhrase(std::string_view phrase);

}  // namespace undertext::create
