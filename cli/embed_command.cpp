#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "cli/module_notes.h"
#include "cli/terminal_text.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "embed/core/embed_job.h"
#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/significance_table.h"

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
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 (в папке \"%2\" нет модуля %3)."),
                  {message, displayPath(request.startFolder), missing});
}

void printReportName(const embed::EmbedRequest& request, const char* suffix) {
    std::cout << visibleLine(
        {displayPath(embed::reportPath(request.sourceFolder, request.sourceName, suffix))});
}

// The significance file listed after the reports, or the note saying why there is none.
void printSignificanceEnd(const std::string& note, const embed::EmbedRequest& request) {
    if (!request.significanceOrder) {
        return;
    }
    if (!note.empty()) {
        printError(note);
        return;
    }
    printReportName(request, embed::kSignificanceSuffix);
}

}  // namespace

int runEmbedCommand(const EmbedOptions& options) {
    if (options.positional.size() != 1 ||
        !std::filesystem::path(options.positional[0]).has_filename()) {
        printError("embed takes one text file (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path source = options.positional[0];
    embed::EmbedRequest inputs;
    inputs.sourceFolder = source.has_parent_path() ? source.parent_path() : ".";
    inputs.sourceName = source.filename().string();
    inputs.startFolder = moduleFolder(options.dictDir);
    inputs.approveReportSize = reportSizeLimit(options.maxReportSize);
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
    if (options.significance || options.model) {
        inputs.significanceOrder = options.model.value_or(embed::kDefaultModelOrder);
    }

    noteUnmatchableWords(inputs.startFolder, inputs.selectedModules);
    TextLock lock(source);
    if (!lockForRun(lock, source, options.wait)) {
        return kExitRefused;
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
                printReportName(inputs, suffix);
            }
            printSignificanceEnd(outcome.results.significanceNote, inputs);
            return kExitOk;
        case JobEnding::NothingFound:
            printReportName(inputs, embed::kTextOrderSuffix);
            printError(outcome.message);
            return kExitOk;
        case JobEnding::Stopped:
            return kExitRefused;  // the caller says so and gives the signal's status
        case JobEnding::Refused:
        case JobEnding::Failed:
            break;
    }
    printError(refusalText(outcome.message, inputs));
    return kExitRefused;
}

}  // namespace undertext::cli
