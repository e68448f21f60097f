#include "cli/corpus_run.h"

#include <iostream>
#include <iterator>
#include <optional>
#include <set>

#include "cli/cli_support.h"
#include "cli/corpus_progress.h"
#include "cli/message_language.h"
#include "cli/summary_output.h"
#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "common/core/stop_signals.h"

namespace undertext::cli {
namespace {

// The --files-from list's text: the file's, or standard input's for "-".
Result<std::string> readFileList(const std::string& list) {
    if (list == "-") {
        std::string text{std::istreambuf_iterator<char>(std::cin),
                         std::istreambuf_iterator<char>()};
        return Result<std::string>::success(std::move(text));
    }
    return readWholeFile(list);
}

void sweepLeftovers(const std::vector<corpus::CorpusText>& texts) {
    std::set<std::filesystem::path> folders;
    for (const auto& text : texts) {
        folders.insert(text.path.has_parent_path() ? text.path.parent_path() : ".");
    }
    for (const auto& folder : folders) {
        removeLeftovers(folder);
    }
}

corpus::PoolRun runPool(const std::vector<corpus::CorpusText>& texts, const CorpusTextWork& work,
                        const CorpusOptions& corpus) {
    CorpusProgress progress(corpus.quiet);
    corpus::PoolOptions options;
    options.workers = corpus.jobs;
    options.stopRequested = [] { return stopRequested(); };
    options.finished = [&](const corpus::TextFinished& done) {
        const auto name = displayPath(texts[done.index].path);
        if (done.end.kind == corpus::TextEnd::Kind::Failed) {
            progress.endLine();
            // Put in the message language before the name goes in front of it.
            printError(name + ": " +
                       inMessageLanguage(done.end.message, environmentMessageLanguage()));
        }
        progress.finished(done, name);
    };
    return corpus::runTextPool(
        texts,
        [&](std::size_t index, JobControl& control) {
            return work(index, texts[index].path, control);
        },
        options);
}

}  // namespace

std::optional<std::vector<corpus::CorpusText>> gatherTexts(const std::vector<std::string>& paths,
                                                           const CorpusOptions& corpus,
                                                           bool& lostText) {
    auto named = paths;
    if (corpus.filesFrom) {
        const auto list = readFileList(*corpus.filesFrom);
        if (!list) {
            printError(list.error());
            return std::nullopt;
        }
        const auto entries = corpus::fileListEntries(list.value());
        named.insert(named.end(), entries.begin(), entries.end());
    }
    auto collection = corpus::collectTexts(named, summaryFiles(corpus));
    for (const auto& note : collection.notes) {
        printError(note.message);
        lostText = lostText || corpus::losesText(note.issue);
    }
    if (collection.texts.empty()) {
        printError("no text to work on");
        return std::nullopt;
    }
    return std::move(collection.texts);
}

bool isCorpusRun(const std::vector<std::string>& paths, const CorpusOptions& corpus) {
    if (paths.size() != 1 || corpus.filesFrom || corpus.summary || corpus.noReports) {
        return true;
    }
    std::error_code error;
    return std::filesystem::is_directory(paths.front(), error);
}

int runCorpusCommand(const std::vector<std::string>& paths, const CorpusOptions& corpus,
                     WritesBesideTexts writes, corpus::TermSummary& summary,
                     const CorpusTextWork& work) {
    if (corpus.noReports && !corpus.summary) {
        printError("--no-reports takes --summary FILE, where the results go");
        return kExitUsage;
    }
    bool lostText = false;
    const auto texts = gatherTexts(paths, corpus, lostText);
    if (!texts) {
        return kExitRefused;
    }
    if (writes == WritesBesideTexts::Yes && !corpus.noReports) {
        sweepLeftovers(*texts);
    }
    const auto run = runPool(*texts, work, corpus);
    if (run.stopped) {
        return kExitRefused;
    }
    const int status = lostText || !run.failures.empty() ? kExitRefused : kExitOk;
    return writeSummary(summary, corpus, status);
}

}  // namespace undertext::cli
