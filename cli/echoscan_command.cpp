#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/terminal_text.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"

namespace undertext::cli {
namespace {

using namespace undertext::echoscan;

// --lang ru|en, or the language whose decoded letters the text holds more of.
Language languageFor(const EchoscanOptions& options, const DecodedText* text) {
    if (options.language) {
        return *options.language;
    }
    return text ? guessLanguage(text->cp1251) : Language::Russian;  // the job reports the error
}

}  // namespace

int runEchoscanCommand(const EchoscanOptions& options) {
    if (options.positional.empty() && !options.corpus.filesFrom) {
        printError("echoscan takes one FILE or more (see undertext --help)");
        return kExitUsage;
    }
    if (options.across || isCorpusRun(options.positional, options.corpus)) {
        return runEchoscanCorpus(options);
    }
    const std::filesystem::path file = options.positional.front();
    // The text is read once, for the language guess and the job alike (a pipe can
    // be read only once). A missing file is left to the job, which names it so.
    blameOutOfMemoryOn(outOfMemoryMessage(file));
    auto bytes = readWholeFile(file);
    std::error_code error;
    if (!bytes && std::filesystem::exists(file, error)) {
        printError(bytes.error());
        return kExitRefused;
    }
    std::optional<DecodedText> text;
    if (bytes) {
        text = decodeSourceText(file, std::move(bytes).value(), options.encoding);
    }
    const EchoscanRequest request{file.filename().string(),
                                  file.has_parent_path() ? file.parent_path() : ".",
                                  languageFor(options, text ? &*text : nullptr),
                                  options.minLength,
                                  options.maxLength,
                                  text ? &*text : nullptr,
                                  options.encoding,
                                  reportSizeLimit(options.maxReportSize)};
    TextLock lock(file);
    if (!lockForRun(lock, file, options.wait)) {
        return kExitRefused;
    }
    removeLeftovers(request.sourceFolder);

    EchoscanOutcome outcome;
    {
        TerminalProgress progress;
        outcome = echoscanJob(request, progress);
    }
    if (outcome.ending != JobEnding::Completed) {
        if (!outcome.message.empty()) {
            printError(outcome.message);
        }
        return kExitRefused;
    }
    const auto written = [&](const char* suffix) {
        std::cout << visibleLine(
            {displayPath(request.sourceFolder / (request.sourceName + suffix))});
    };
    written(kFragmentTextSuffix);
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        written(fragmentReportSuffix(report));
    }
    return kExitOk;
}

}  // namespace undertext::cli
