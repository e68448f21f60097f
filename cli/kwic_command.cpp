#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/kwic_pattern.h"
#include "cli/terminal_text.h"
#include "cli/unless_stopped.h"
#include "common/core/files/file_io.h"
#include "echoscan/core/fragment_locator.h"
#include "embed/core/word_locator.h"
#include "viewer/core/kwic_lines.h"

namespace undertext::cli {
namespace {

// The occurrences of the prepared pattern in the source: of a word as Embed
// counts it, or of a fragment as Echoscan does.
std::vector<SourceSpan> occurrences(const std::string& source, Language language,
                                    const KwicPattern& pattern) {
    if (pattern.isFragment) {
        return echoscan::FragmentLocator(source, language).find(pattern.prepared);
    }
    return embed::WordLocator(source, language).find(pattern.prepared);
}

// Prints a line for each span, looking for a stop request before each; false
// when one came. A text's name, when given, is each line's first field.
bool printOccurrences(const DecodedText& text, const std::vector<SourceSpan>& spans,
                      std::size_t width, const std::optional<std::string>& name) {
    constexpr std::size_t kPrintedAtOnce = 1 << 16;
    std::string lines;
    for (const auto& span : spans) {
        if (stopRequested()) {
            return false;
        }
        const auto line = kwicLine(text, span, width);
        const auto position = std::to_string(line.position);
        lines += name ? visibleLine({*name, position, line.left, line.span, line.right})
                      : visibleLine({position, line.left, line.span, line.right});
        if (lines.size() > kPrintedAtOnce) {
            std::cout << lines;
            lines.clear();
        }
    }
    std::cout << lines;
    return true;
}

// The occurrences in one text, its name before each line when given; the status.
int kwicInText(const std::filesystem::path& file, const KwicOptions& options,
               const std::optional<std::string>& name) {
    auto bytes = readWholeFile(file);
    if (!bytes) {
        printError(bytes.error());
        return kExitRefused;
    }
    // Decoding and the search have no stop points of their own and print nothing:
    // a stop ends the command at once, leaving them to the end of the program.
    // Positions and contexts are those of the decoded text: one byte of its
    // Windows-1251 form per character.
    const auto text = unlessStopped(
        [file, bytes = std::make_shared<std::string>(std::move(bytes).value()), options] {
            return std::make_shared<const DecodedText>(
                decodeSourceText(file, std::move(*bytes), options.encoding));
        });
    if (!text) {
        return kExitRefused;  // stopped: the caller says so
    }
    const std::string& source = (*text)->cp1251;
    if (source.size() > SuffixIndex::kMaxTextLength) {
        printError(tooLargeMessage(file));
        return kExitRefused;
    }
    const auto language = options.language ? *options.language : guessLanguage(source);
    const auto pattern = prepareKwicPattern(options, language);
    if (!pattern) {
        printError(pattern.error());
        return kExitUsage;
    }
    const auto spans = unlessStopped([text = *text, language, pattern = pattern.value()] {
        return occurrences(text->cp1251, language, pattern);
    });
    if (!spans || !printOccurrences(**text, *spans, options.width, name)) {
        return kExitRefused;  // stopped: the caller says so
    }
    return kExitOk;
}

}  // namespace

int runKwicCommand(const KwicOptions& options) {
    if ((options.positional.empty() && !options.filesFrom) ||
        options.word.has_value() == options.fragment.has_value()) {
        printError(
            "kwic takes one text file and either --word or --fragment (see undertext kwic --help)");
        return kExitUsage;
    }
    const CorpusOptions corpus{.filesFrom = options.filesFrom};
    if (!isCorpusRun(options.positional, corpus)) {
        return kwicInText(options.positional.front(), options, std::nullopt);
    }
    // Many texts: each in turn, its path the first field of its lines.
    bool lostText = false;
    const auto texts = gatherTexts(options.positional, corpus, lostText);
    if (!texts) {
        return kExitRefused;
    }
    int status = lostText ? kExitRefused : kExitOk;
    for (const auto& text : *texts) {
        // A pattern refused in one text's language is that text's failure alone.
        const int textStatus = kwicInText(text.path, options, displayPath(text.path));
        if (stopRequested()) {
            return textStatus;
        }
        status = std::max(status, std::min(textStatus, kExitRefused));
    }
    return status;
}

}  // namespace undertext::cli
