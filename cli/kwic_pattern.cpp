#include "cli/kwic_pattern.h"

#include <algorithm>

#include "cli/terminal_text.h"
#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_text.h"

namespace undertext::cli {
namespace {

const char* languageName(Language language) {
    return language == Language::Russian ? "Russian" : "English";
}

}  // namespace

Result<KwicPattern> prepareKwicPattern(const KwicOptions& options, Language language) {
    const bool isFragment = options.fragment.has_value();
    const std::string& given = isFragment ? *options.fragment : *options.word;
    const auto cp1251 = utf8ToCp1251(given);
    const auto refused = [&](const std::string& why) {
        return Result<KwicPattern>::failure((isFragment ? "--fragment \"" : "--word \"") +
                                            visible(given) + "\" " + why);
    };
    const auto isLetterOfText = [language](char c) {
        return isLetter(static_cast<unsigned char>(c), language);
    };
    if (std::none_of(cp1251.begin(), cp1251.end(), isLetterOfText)) {
        return refused(std::string("has no letter of ") + languageName(language) +
                       ": it would match no text");
    }
    if (isFragment) {
        return Result<KwicPattern>::success(
            {echoscan::prepareFragmentText(cp1251, language), true});
    }
    if (!std::all_of(cp1251.begin(), cp1251.end(), isLetterOfText)) {
        return refused(std::string("holds characters other than letters of ") +
                       languageName(language) + ": words are found among the letters alone");
    }
    std::string lowered = cp1251;
    for (auto& c : lowered) {
        c = static_cast<char>(lowerLetter(static_cast<unsigned char>(c), language));
    }
    return Result<KwicPattern>::success({std::move(lowered), false});
}

}  // namespace undertext::cli
