#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "cli/terminal_text.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/leftover_files.h"
#include "common/core/messages/translatable.h"
#include "common/core/text/codepage.h"
#include "create/core/create_job.h"
#include "create/core/create_run.h"
#include "create/core/phrase_words.h"
#include "create/core/results_file.h"
#include "create/core/variant_actions.h"

namespace undertext::cli {
namespace {

int usageError(const std::string& message) {
    printError(message);
    return kExitUsage;
}

}  // namespace

int runCreateCommand(const CreateOptions& options) {
    if (options.positional.size() != 1) {
        return usageError("create takes one phrase (see undertext --help)");
    }
    // The results file is Windows-1251 unless another encoding is asked for; a
    // UTF-16 file starts with its byte-order mark.
    const auto resultsEncoding = options.encoding.value_or(TextEncoding::Windows1251);
    const SourceEncoding fileEncoding{resultsEncoding, resultsEncoding == TextEncoding::Utf16Le};
    create::CreateRequest request;
    // Decoded as a UTF-8 text, so a decomposed letter is the precomposed one.
    request.phrase = decodeText(options.positional.front(), TextEncoding::Utf8).cp1251;
    if (request.phrase.size() > static_cast<std::size_t>(create::kMaxPhraseLength)) {
        return usageError("the phrase has more than 80 characters");
    }
    request.language =
        options.language ? *options.language : create::languageOfPhrase(request.phrase);
    request.startFolder = moduleFolder(options.dictDir);
    if (const auto problem = moduleFolderProblem(request.startFolder)) {
        printError(*problem);
        return kExitRefused;
    }
    request.selectedModules =
        options.modules.empty()
            ? modulesForLanguage(request.language, lookUpDefaultModules(request.startFolder))
            : options.modules;

    blameOutOfMemoryOn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "Недостаточно памяти для обработки фразы."));
    create::CreateOutcome outcome;
    {
        TerminalProgress progress;
        outcome = create::createJob(request, progress);
    }
    if (outcome.ending != JobEnding::Completed) {
        if (!outcome.message.empty()) {
            printError(outcome.message);
        }
        return kExitRefused;
    }
    create::CreateSession session;
    create::keepAnalysis(session, std::move(outcome.results));
    std::string shown;
    for (int press = 1; press <= options.variants; ++press) {
        auto variant = create::finishNextVariant(session);
        if (!variant) {
            return kExitRefused;
        }
        shown = std::move(*variant);
        std::cout << visibleLine({cp1251ToUtf8(shown)});
    }
    if (const auto& target = options.save) {
        removeLeftovers(target->has_parent_path() ? target->parent_path() : ".");
        const auto written = create::saveRez(*target, session.normalisedPhrase, shown,
                                             session.analysis, fileEncoding);
        if (!written) {
            printError(written.error());
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace undertext::cli
