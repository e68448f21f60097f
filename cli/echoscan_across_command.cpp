#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/summary_output.h"
#include "common/core/files/file_io.h"
#include "corpus/core/across_summary.h"
#include "echoscan/core/fragment_text.h"
#include "echoscan/core/shared_fragments.h"

namespace undertext::cli {
namespace {

// A text's Windows-1251 letters, as a run on it decodes them.
Result<std::string> sourceOf(const std::filesystem::path& text,
                             std::optional<TextEncoding> forced) {
    auto bytes = readWholeFile(text);
    if (!bytes) {
        return Result<std::string>::failure(bytes.error());
    }
    return Result<std::string>::success(decodeText(std::move(bytes).value(), forced).cp1251);
}

Language languageOf(const EchoscanOptions& options, std::string_view source) {
    return options.language ? *options.language : guessLanguage(source);
}

}  // namespace

int runEchoscanAcross(const EchoscanOptions& options, echoscan::FragmentLengths lengths) {
    if (!options.corpus.summary) {
        printError("echoscan --across takes --summary FILE, where the shared fragments go");
        return kExitUsage;
    }
    bool lostText = false;
    const auto texts = gatherTexts(options.positional, options.corpus, lostText);
    if (!texts) {
        return kExitRefused;
    }
    // Every text prepared as Echoscan prepares it; one that cannot be read is named
    // and left out.
    std::vector<std::filesystem::path> paths;
    std::vector<std::string> names, fragmentTexts;
    for (const auto& text : *texts) {
        const auto source = sourceOf(text.path, options.encoding);
        if (!source) {
            printError(displayPath(text.path) + ": " + source.error());
            lostText = true;
            continue;
        }
        paths.push_back(text.path);
        names.push_back(displayPath(text.path));
        fragmentTexts.push_back(
            echoscan::prepareFragmentText(source.value(), languageOf(options, source.value())));
    }
    const std::vector<std::string_view> views(fragmentTexts.begin(), fragmentTexts.end());
    if (echoscan::sharedSearchBytes(views) > echoscan::kMaxSharedSearchBytes) {
        printError("the texts are too large to be searched together (over 2 GiB prepared)");
        return kExitRefused;
    }
    TerminalProgress progress;
    const auto found = echoscan::findSharedFragments(views, lengths.shortest, lengths.longest,
                                                     options.allLengths, progress);
    if (!found) {
        return kExitRefused;  // stopped: the caller says so and gives the signal's status
    }
    const auto positions = echoscan::firstKwicPositions(*found, views, [&](std::size_t text) {
        std::vector<std::uint32_t> map;
        const auto source = sourceOf(paths[text], options.encoding);
        if (source) {
            echoscan::prepareFragmentText(source.value(), languageOf(options, source.value()),
                                          &map);
        }
        return map;
    });
    const corpus::AcrossSummary summary{*found, views, names, positions};
    if (const auto written = summary.write(*options.corpus.summary); !written) {
        printError(written.error());
        return kExitRefused;
    }
    listSummaryFiles(options.corpus);
    return lostText ? kExitRefused : kExitOk;
}

}  // namespace undertext::cli
