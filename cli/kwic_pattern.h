#pragma once

#include <string>

#include "cli/command_options.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"

namespace undertext::cli {

// What kwic looks for, in Windows-1251 as the search compares it: the word with
// its letters lowered, as the reports list words, or the fragment prepared as
// Echoscan prepares the text.
struct KwicPattern {
    std::string prepared;
    bool isFragment = false;
};

// The pattern of --word or --fragment (one of them given, never empty) in the
// text's language; refused, with the reason, when it could match nothing: a word
// or a fragment without a letter of the language, and a word holding any other
// character (words are found in the text's letters alone).
Result<KwicPattern> prepareKwicPattern(const KwicOptions& options, Language language);

}  // namespace undertext::cli
