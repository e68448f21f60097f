#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "embed/core/embed_job.h"
#include "embed/core/embed_reports.h"

namespace undertext::cli {
namespace {

// A refusal as the shell prints it: with no module, also the default module that
// the module folder lacks.
std::string refusalText(const std::string& message, const embed::EmbedRequest& request) {
    if (message != kChooseModulesMessage) {
        return message;
    }
    const char* missing =
        request.language == Language::Russian ? kRussianDefaultModule : kEnglishDefaultModule;
    return message + " (в папке \"" + displayPath(request.startFolder) + "\" нет модуля " +
           missing + ").";
}

}  // namespace

int runEmbedCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1 ||
        !std::filesystem::path(arguments.positional[0]).has_filename()) {
        printError("embed takes one text file (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path source = arguments.positional[0];
    embed::EmbedRequest inputs;
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

    removeLeftovers(inputs.sourceFolder);
    embed::EmbedOutcome outcome;
    {
        TerminalProgress progress;
        outcome = embed::embedJob(inputs, progress);
    }
    switch (outcome.ending) {
        case JobEnding::Completed:
            for (const auto* suffix : {embed::kTextOrderSuffix, embed::kByFrequencySuffix,
                                       embed::kByLengthSuffix, embed::kAlphabeticalSuffix}) {
                std::cout << displayPath(
                                 embed::reportPath(inputs.sourceFolder, inputs.sourceName, suffix))
                          << '\n';
            }
            return kExitOk;
        case JobEnding::NothingFound:
            std::cout << displayPath(embed::reportPath(inputs.sourceFolder, inputs.sourceName,
                                                       embed::kTextOrderSuffix))
                      << '\n';
            printError(outcome.message);
            return kExitOk;
        case JobEnding::Stopped:
            return kExitStopped;  // said so by the caller
        case JobEnding::Refused:
        case JobEnding::Failed:
            break;
    }
    printError(refusalText(outcome.message, inputs));
    return kExitRefused;
}

}  // namespace undertext::cli
