#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embed_search_job.h"

namespace undertext::cli {
int runEmbedCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1 ||
        !std::filesystem::path(arguments.positional[0]).has_filename()) {
        printError("embed takes one text file (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path source = arguments.positional[0];
    embed::EmbedJobInputs inputs;
    inputs.sourceFolder = source.has_parent_path() ? source.parent_path() : ".";
    inputs.sourceName = source.filename().string();
    inputs.startFolder = moduleFolder(arguments.option("--dict-dir"));
    if (const auto problem = moduleFolderProblem(inputs.startFolder)) {
        printError(*problem);
        return kExitRefused;
    }

    const auto forced = encodingOption(arguments);
    if (!forced) {
        printError(forced.error());
        return kExitUsage;
    }
    const auto* lang = arguments.option("--lang");
    const auto chosen = lang ? languageOption(*lang) : std::nullopt;
    if (lang && !chosen) {
        printError("--lang takes ru or en");
        return kExitUsage;
    }
    // The text is read once, for the language guess and the job alike (a pipe can
    // be read only once).
    blameOutOfMemoryOn(outOfMemoryMessage(source));
    auto bytes = readWholeFile(source, embed::kMaxSourceBytes);
    if (!bytes) {
        printError(bytes.error());
        return kExitRefused;
    }
    const auto text = decodeSourceText(source, std::move(bytes).value(), forced.value());
    inputs.sourceText = &text;
    // The language is guessed from the decoded letters, as opening the file in
    // the window does.
    inputs.language = chosen ? *chosen : guessLanguage(text.cp1251);

    if (const auto* modules = arguments.option("--modules")) {
        inputs.selectedModules = splitModuleNames(*modules);
    } else {
        inputs.selectedModules =
            modulesForLanguage(inputs.language, lookUpDefaultModules(inputs.startFolder));
    }
    if (noModuleSelected(inputs.selectedModules)) {
        printError(
            "Выберите модули словарей (в папке \"" + displayPath(inputs.startFolder) +
            "\" нет модуля " +
            (inputs.language == Language::Russian ? kRussianDefaultModule : kEnglishDefaultModule) +
            ").");
        return kExitRefused;
    }

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
                std::cout << displayPath(
                                 embed::reportPath(inputs.sourceFolder, inputs.sourceName, suffix))
                          << '\n';
            }
            return kExitOk;
        case embed::EmbedEnding::NothingFound:
            std::cout << displayPath(embed::reportPath(inputs.sourceFolder, inputs.sourceName,
                                                       embed::kTextOrderSuffix))
                      << '\n';
            printError(outcome.message);
            return kExitOk;
        case embed::EmbedEnding::Stopped:
            return kExitStopped;  // said so by the caller
        case embed::EmbedEnding::TextTooShort:
        case embed::EmbedEnding::Failed:
            break;
    }
    printError(outcome.message);
    return kExitRefused;
}

}  // namespace undertext::cli
