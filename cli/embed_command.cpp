#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "cli/module_notes.h"
#include "cli/terminal_text.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embed_search_job.h"

namespace undertext::cli {
namespace {

void printReportName(const embed::EmbedJobInputs& inputs, const char* suffix) {
    std::cout << visibleLine(
        {displayPath(embed::reportPath(inputs.sourceFolder, inputs.sourceName, suffix))});
}

}  // namespace

int runEmbedCommand(const EmbedOptions& options) {
    if (options.positional.size() != 1 ||
        !std::filesystem::path(options.positional[0]).has_filename()) {
        printError("embed takes one text file (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path source = options.positional[0];
    embed::EmbedJobInputs inputs;
    inputs.sourceFolder = source.has_parent_path() ? source.parent_path() : ".";
    inputs.sourceName = source.filename().string();
    inputs.startFolder = moduleFolder(options.dictDir);
    if (const auto problem = moduleFolderProblem(inputs.startFolder)) {
        printError(*problem);
        return kExitRefused;
    }

    // The text is read once, for the language guess and the job alike (a pipe can
    // be read only once).
    blameOutOfMemoryOn(outOfMemoryMessage(source));
    auto bytes = readWholeFile(source, embed::kMaxSourceBytes);
    if (!bytes) {
        printError(bytes.error());
        return kExitRefused;
    }
    const auto text = decodeSourceText(source, std::move(bytes).value(), options.encoding);
    inputs.sourceText = &text;
    // The language is guessed from the decoded letters, as opening the file in
    // the window does.
    inputs.language = options.language ? *options.language : guessLanguage(text.cp1251);

    inputs.selectedModules =
        options.modules.empty()
            ? modulesForLanguage(inputs.language, lookUpDefaultModules(inputs.startFolder))
            : options.modules;
    if (noModuleSelected(inputs.selectedModules)) {
        printError(
            "Выберите модули словарей (в папке \"" + displayPath(inputs.startFolder) +
            "\" нет модуля " +
            (inputs.language == Language::Russian ? kRussianDefaultModule : kEnglishDefaultModule) +
            ").");
        return kExitRefused;
    }

    noteUnmatchableWords(inputs.startFolder, inputs.selectedModules);
    removeLeftovers(inputs.sourceFolder);
    embed::EmbedOutcome outcome;
    {
        TerminalProgress progress;
        outcome = embed::embedSearchJob(inputs, progress);
    }
    switch (outcome.ending) {
        case embed::EmbedEnding::Completed:
            for (const auto* suffix : {embed::kTextOrderSuffix, embed::kByFrequencySuffix,
                                       embed::kByLengthSuffix, embed::kAlphabeticalSuffix}) {
                printReportName(inputs, suffix);
            }
            return kExitOk;
        case embed::EmbedEnding::NothingFound:
            printReportName(inputs, embed::kTextOrderSuffix);
            printError(outcome.message);
            return kExitOk;
        case embed::EmbedEnding::Stopped:
            return kExitRefused;  // the caller says so and gives the signal's status
        case embed::EmbedEnding::TextTooShort:
        case embed::EmbedEnding::Failed:
            break;
    }
    printError(outcome.message);
    return kExitRefused;
}

}  // namespace undertext::cli
