#include "letters.h"

namespace undertext {

void LetterCounts::add(std::string_view bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (isRussianLetter(b)) {
            ++russian;
        } else if (isEnglishLetter(b)) {
            ++latin;
        }
    }
}

Language guessLanguage(std::string_view bytes) {
    LetterCounts counts;
    counts.add(bytes);
    return counts.guess();
}

}  // namespace undertext
