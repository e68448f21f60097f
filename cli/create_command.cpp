#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/leftover_files.h"
#include "common/core/text/codepage.h"
#include "create/core/create_job.h"
#include "create/core/create_run.h"
#include "create/core/phrase_words.h"
#include "create/core/results_file.h"
#include "create/core/variant_actions.h"

namespace undertext::cli {
namespace {

std::optional<int> positiveNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

int usageError(const std::string& message) {
    printError(message);
    return kExitUsage;
}

}  // namespace

int runCreateCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1) {
        return usageError("create takes one phrase (see undertext --help)");
    }
    const auto forced = encodingOption(arguments);
    if (!forced) {
        return usageError(forced.error());
    }
    // The results file is Windows-1251 unless another encoding is asked for; a
    // UTF-16 file starts with its byte-order mark.
    const auto resultsEncoding = forced->value_or(TextEncoding::Windows1251);
    const SourceEncoding fileEncoding{resultsEncoding, resultsEncoding == TextEncoding::Utf16Le};
    create::CreateRequest request;
    // Decoded as a UTF-8 text, so a decomposed letter is the precomposed one.
    request.phrase = decodeText(arguments.positional.front(), TextEncoding::Utf8).cp1251;
    if (request.phrase.size() > static_cast<std::size_t>(create::kMaxPhraseLength)) {
        return usageError("the phrase has more than 80 characters");
    }
    request.language = create::languageOfPhrase(request.phrase);
    if (const auto* lang = arguments.option("--lang")) {
        const auto language = languageOption(*lang);
        if (!language) {
            return usageError("--lang takes ru or en");
        }
        request.language = *language;
    }
    request.startFolder = moduleFolder(arguments.option("--dict-dir"));
    if (const auto problem = moduleFolderProblem(request.startFolder)) {
        printError(*problem);
        return kExitRefused;
    }
    if (const auto* modules = arguments.option("--modules")) {
        request.selectedModules = splitModuleNames(*modules);
    } else {
        request.selectedModules =
            modulesForLanguage(request.language, lookUpDefaultModules(request.startFolder));
    }
    int variants = 1;
    if (const auto* count = arguments.option("--variants")) {
        const auto number = positiveNumber(*count);
        if (!number) {
            return usageError("--variants takes a whole number of 1 or more");
        }
        variants = *number;
    }

    blameOutOfMemoryOn("Недостаточно памяти для обработки фразы.");
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
    for (int press = 1; press <= variants; ++press) {
        auto variant = create::finishNextVariant(session);
        if (!variant) {
            return kExitRefused;
        }
        shown = std::move(*variant);
        std::cout << cp1251ToUtf8(shown) << '\n';
    }
    if (const auto* save = arguments.option("--save")) {
        const std::filesystem::path target(*save);
        removeLeftovers(target.has_parent_path() ? target.parent_path() : ".");
        const auto written =
            create::saveRez(*save, session.normalisedPhrase, shown, session.analysis, fileEncoding);
        if (!written) {
            printError(written.error());
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace undertext::cli
