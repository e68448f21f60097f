#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/embed_request.h"
#include "cli/module_folder.h"
#include "cli/module_notes.h"
#include "cli/terminal_text.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "embed/core/embed_job.h"
#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance_table.h"

namespace undertext::cli {
namespace {

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
    if (options.positional.empty() && !options.corpus.filesFrom) {
        printError("embed takes one text file or more (see undertext --help)");
        return kExitUsage;
    }
    if (isCorpusRun(options.positional, options.corpus)) {
        return runEmbedCorpus(options);
    }
    if (!std::filesystem::path(options.positional[0]).has_filename()) {
        printError("embed takes one text file (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path source = options.positional[0];
    const auto startFolder = moduleFolder(options.dictDir);
    if (const auto problem = moduleFolderProblem(startFolder)) {
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
    const auto inputs = embedRequestFor(source, options, startFolder, text);

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
    printError(embedRefusalText(outcome.message, inputs));
    return kExitRefused;
}

}  // namespace undertext::cli
