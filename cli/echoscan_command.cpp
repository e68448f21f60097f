#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"

namespace undertext::cli {
namespace {

using namespace undertext::echoscan;

// --lang ru|en, or the language whose decoded letters the text holds more of.
std::optional<Language> languageFor(const Arguments& arguments, const DecodedText* text) {
    if (const auto* lang = arguments.option("--lang")) {
        return languageOption(*lang);
    }
    return text ? guessLanguage(text->cp1251) : Language::Russian;  // the job reports the error
}

}  // namespace

int runEchoscanCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1) {
        printError("echoscan takes one FILE (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path file = arguments.positional.front();
    const auto forced = encodingOption(arguments);
    if (!forced) {
        printError(forced.error());
        return kExitUsage;
    }
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
        text = decodeSourceText(file, std::move(bytes).value(), forced.value());
    }
    const auto language = languageFor(arguments, text ? &*text : nullptr);
    if (!language) {
        printError("--lang takes ru or en");
        return kExitUsage;
    }
    const auto* minText = arguments.option("--min");
    const auto* maxText = arguments.option("--max");
    const EchoscanRequest request{file.filename().string(),
                                  file.has_parent_path() ? file.parent_path() : ".",
                                  *language,
                                  minText ? *minText : "4",
                                  maxText ? *maxText : "40",
                                  text ? &*text : nullptr,
                                  forced.value()};
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
        std::cout << displayPath(request.sourceFolder / (request.sourceName + suffix)) << "\n";
    };
    written(kFragmentTextSuffix);
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        written(fragmentReportSuffix(report));
    }
    return kExitOk;
}

}  // namespace undertext::cli
