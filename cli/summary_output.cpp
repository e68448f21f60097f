#include "cli/summary_output.h"

#include <unistd.h>

#include <iostream>

#include "cli/cli_support.h"
#include "cli/terminal_text.h"
#include "common/core/files/file_io.h"
#include "common/core/stop_signals.h"
#include "corpus/core/summary_files.h"

namespace undertext::cli {

std::vector<std::filesystem::path> summaryFiles(const CorpusOptions& corpus) {
    if (!corpus.summary) {
        return {};
    }
    return {*corpus.summary, corpus::byTextPath(*corpus.summary)};
}

int writeSummary(corpus::TermSummary& summary, const CorpusOptions& corpus, int status) {
    if (!corpus.summary) {
        return status;
    }
    if (!summary.prepare([] { return stopRequested(); })) {
        return kExitRefused;
    }
    if (const auto written = summary.write(*corpus.summary); !written) {
        printError(written.error());
        return kExitRefused;
    }
    listSummaryFiles(corpus);
    if (const auto withheld = summary.withheldColumns()) {
        printError(*withheld);
        return kExitRefused;
    }
    return status;
}

void listSummaryFiles(const CorpusOptions& corpus) {
    for (const auto& file : summaryFiles(corpus)) {
        std::cout << visibleLine({displayPath(file)});
    }
    // A person at a terminal is offered the viewer; a script gets the list alone.
    if (corpus.summary && !corpus.quiet && ::isatty(STDERR_FILENO) == 1) {
        std::cout.flush();
        printError("to see it: undertext view " + displayPath(*corpus.summary));
    }
}

}  // namespace undertext::cli
