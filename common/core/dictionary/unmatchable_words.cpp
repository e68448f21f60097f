#include "common/core/dictionary/unmatchable_words.h"

#include "common/core/text/letters.h"

namespace undertext {
namespace {

bool isLowerCase(unsigned char b, Language language) {
    return isLetter(b, language) && lowerLetter(b, language) == b;
}

}  // namespace

bool canNeverMatch(std::string_view word) {
    bool russian = false;
    bool english = false;
    for (const char c : word) {
        const auto b = static_cast<unsigned char>(c);
        if (isLowerCase(b, Language::Russian)) {
            russian = true;
        } else if (isLowerCase(b, Language::English)) {
            english = true;
        } else {
            return true;
        }
    }
    return russian && english;
}

UnmatchableWords findUnmatchableWords(const DicWords& words) {
    UnmatchableWords found;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!canNeverMatch(words[i])) {
            continue;
        }
        ++found.count;
        if (found.firstOnes.size() < UnmatchableWords::kShown) {
            found.firstOnes.emplace_back(words[i]);
        }
    }
    return found;
}

}  // namespace undertext
