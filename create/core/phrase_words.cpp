#include "create/core/phrase_words.h"

namespace undertext::create {

PhraseWords splitPhrase(std::string_view phrase, Language language) {
    PhraseWords split;
    bool betweenWords = true;
    for (const char c : phrase) {
        const auto byte = static_cast<unsigned char>(c);
        if (isLetter(byte, language)) {
            if (betweenWords) {
                split.words.emplace_back();
                betweenWords = false;
            }
            split.words.back().push_back(static_cast<char>(lowerLetter(byte, language)));
            ++split.letterCount;
        } else {
            betweenWords = true;
        }
    }
    return split;
}

std::string normalisedPhrase(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words) {
        text += word;
        text += ' ';
    }
    // The empty slot after the last word, followed by its blank.
    text += ' ';
    return text;
}

Language languageOfPhrase(std::string_view phrase) {
    return !phrase.empty() && static_cast<unsigned char>(phrase.front()) < 192 ? Language::English
                                                                               : Language::Russian;
}

}  // namespace undertext::create
