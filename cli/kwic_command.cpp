#include <charconv>
#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/core/files/file_io.h"
#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_locator.h"
#include "embed/core/word_locator.h"
#include "viewer/core/kwic_lines.h"

namespace undertext::cli {
namespace {

// The value of --width: a whole number of characters, at most a million.
std::optional<std::size_t> widthOption(const std::string& value) {
    std::size_t width = 0;
    const auto* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, width);
    if (value.empty() || error != std::errc() || stop != end || width > 1'000'000) {
        return std::nullopt;
    }
    return width;
}

// The occurrences of the word (letters lowered, as the reports list words) or of
// the fragment (prepared as Echoscan prepares the text) in the source.
std::vector<SourceSpan> occurrences(const std::string& source, Language language,
                                    const std::string* word, const std::string* fragment) {
    if (fragment != nullptr) {
        return echoscan::FragmentLocator(source, language).find(utf8ToCp1251(*fragment));
    }
    auto lowered = utf8ToCp1251(*word);
    for (auto& c : lowered) {
        c = static_cast<char>(lowerLetter(static_cast<unsigned char>(c), language));
    }
    return embed::WordLocator(source, language).find(lowered);
}

}  // namespace

int runKwicCommand(const Arguments& arguments) {
    const auto* word = arguments.option("--word");
    const auto* fragment = arguments.option("--fragment");
    if (arguments.positional.size() != 1 || (word == nullptr) == (fragment == nullptr)) {
        printError(
            "kwic takes one text file and either --word or --fragment (see undertext kwic --help)");
        return kExitUsage;
    }
    if ((word ? *word : *fragment).empty()) {
        printError(word ? "--word takes a word" : "--fragment takes a fragment");
        return kExitUsage;
    }
    std::size_t width = kDefaultKwicWidth;
    if (const auto* text = arguments.option("--width")) {
        const auto value = widthOption(*text);
        if (!value) {
            printError("--width takes a whole number of characters from 0 to 1000000");
            return kExitUsage;
        }
        width = *value;
    }
    std::optional<Language> language;
    if (const auto* lang = arguments.option("--lang")) {
        language = languageOption(*lang);
        if (!language) {
            printError("--lang takes ru or en");
            return kExitUsage;
        }
    }

    const auto forced = encodingOption(arguments);
    if (!forced) {
        printError(forced.error());
        return kExitUsage;
    }

    const std::filesystem::path file = arguments.positional.front();
    auto bytes = readWholeFile(file);
    if (!bytes) {
        printError(bytes.error());
        return kExitRefused;
    }
    // Positions and contexts are those of the decoded text: one byte of its
    // Windows-1251 form per character.
    const auto text = decodeSourceText(file, std::move(bytes).value(), forced.value());
    const std::string& source = text.cp1251;
    if (source.size() > SuffixIndex::kMaxTextLength) {
        printError("Файл \"" + displayPath(file) +
                   "\" слишком велик: программа работает с текстами до 2 ГБ.");
        return kExitRefused;
    }
    const auto spans =
        occurrences(source, language.value_or(guessLanguage(source)), word, fragment);
    std::string lines;
    for (const auto& span : spans) {
        lines += tabSeparated(kwicLine(text, span, width)) + '\n';
        if (lines.size() > (1 << 16)) {
            std::cout << lines;
            lines.clear();
        }
    }
    std::cout << lines;
    return kExitOk;
}

}  // namespace undertext::cli
