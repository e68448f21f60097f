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

// The occurrences of the word (letters lowered, as the reports list words) or of
// the fragment (prepared as Echoscan prepares the text) in the source.
std::vector<SourceSpan> occurrences(const std::string& source, Language language,
                                    const KwicOptions& options) {
    if (options.fragment) {
        return echoscan::FragmentLocator(source, language).find(utf8ToCp1251(*options.fragment));
    }
    auto lowered = utf8ToCp1251(*options.word);
    for (auto& c : lowered) {
        c = static_cast<char>(lowerLetter(static_cast<unsigned char>(c), language));
    }
    return embed::WordLocator(source, language).find(lowered);
}

}  // namespace

int runKwicCommand(const KwicOptions& options) {
    if (options.positional.size() != 1 ||
        options.word.has_value() == options.fragment.has_value()) {
        printError(
            "kwic takes one text file and either --word or --fragment (see undertext kwic --help)");
        return kExitUsage;
    }

    const std::filesystem::path file = options.positional.front();
    auto bytes = readWholeFile(file);
    if (!bytes) {
        printError(bytes.error());
        return kExitRefused;
    }
    // Positions and contexts are those of the decoded text: one byte of its
    // Windows-1251 form per character.
    const auto text = decodeSourceText(file, std::move(bytes).value(), options.encoding);
    const std::string& source = text.cp1251;
    if (source.size() > SuffixIndex::kMaxTextLength) {
        printError("Файл \"" + displayPath(file) +
                   "\" слишком велик: программа работает с текстами до 2 ГБ.");
        return kExitRefused;
    }
    const auto spans =
        occurrences(source, options.language ? *options.language : guessLanguage(source), options);
    std::string lines;
    for (const auto& span : spans) {
        lines += tabSeparated(kwicLine(text, span, options.width)) + '\n';
        if (lines.size() > (1 << 16)) {
            std::cout << lines;
            lines.clear();
        }
    }
    std::cout << lines;
    return kExitOk;
}

}  // namespace undertext::cli
