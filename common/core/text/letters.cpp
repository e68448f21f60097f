#include "common/core/text/letters.h"

#include <cstdint>

namespace undertext {

Language guessLanguage(std::string_view bytes) {
    std::uint64_t russian = 0;
    std::uint64_t latin = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (isRussianLetter(b)) {
            ++russian;
        } else if (isEnglishLetter(b)) {
            ++latin;
        }
    }
    return russian > latin ? Language::Russian : Language::English;
}

}  // namespace undertext
