#pragma once

#include <string_view>

namespace undertext {

// The language of a text decides which Windows-1251 bytes are letters.
enum class Language { Russian, English };

// Russian letters are the bytes 192 to 255 (Ё 168 and ё 184 are not letters);
// English letters are 65 to 90 and 97 to 122. Every other byte separates words.
constexpr bool isRussianLetter(unsigned char b) {
    return b >= 192;
}
constexpr bool isEnglishLetter(unsigned char b) {
    return (b >= 65 && b <= 90) || (b >= 97 && b <= 122);
}
constexpr bool isLetter(unsigned char b, Language language) {
    return language == Language::Russian ? isRussianLetter(b) : isEnglishLetter(b);
}

// Lower case of a letter of the language (upper-case letters gain 32); any other
// byte comes back unchanged.
constexpr unsigned char lowerLetter(unsigned char b, Language language) {
    if (language == Language::Russian) {
        return (b >= 192 && b <= 223) ? static_cast<unsigned char>(b + 32) : b;
    }
    return (b >= 65 && b <= 90) ? static_cast<unsigned char>(b + 32) : b;
}

// Upper case of Russian and Latin letters alike (ё becomes Ё), for texts that are
// shown or stored upper-cased whatever their language.
constexpr unsigned char upperAnyLetter(unsigned char b) {
    if ((b >= 224) || (b >= 97 && b <= 122)) {
        return static_cast<unsigned char>(b - 32);
    }
    return b == 184 ? static_cast<unsigned char>(168) : b;
}

// The language whose letters the text holds more of: Russian only when it has
// strictly more Russian than Latin letters; a tie, and a text without letters,
// is English.
Language guessLanguage(std::string_view bytes);

}  // namespace undertext
