#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "cli/command_options.h"
#include "common/core/result.h"
#include "corpus/core/term_summary.h"
#include "corpus/core/text_pool.h"

namespace undertext::cli {

// The files a run's --summary writes (the summary and its by-text file), never
// taken for texts; none without --summary.
std::vector<std::filesystem::path> summaryFiles(const CorpusOptions& corpus);

// Writes the summary when --summary asks for it and lists its two files on
// standard output; a failure, or columns the summary had to leave out, is printed
// and makes the status 1; after a stop while it is worked out nothing is written
// (status 1). Returns the status.
int writeSummary(corpus::TermSummary& summary, const CorpusOptions& corpus, int status);

// Lists the summary's two files on standard output, and, when standard error is
// a terminal, offers the viewer for the summary there.
void listSummaryFiles(const CorpusOptions& corpus);

// Adds the record of a text to a summary that workers share (it takes texts
// from any thread).
template <typename Summary, typename Record>
corpus::TextEnd addRecord(Summary& summary, std::size_t index, const Record& record) {
    summary.add(index, record);
    return corpus::TextEnd::done();
}

// The same for a record read back from a text's reports; one that could not be
// read fails the text.
template <typename Summary, typename Record>
corpus::TextEnd addRecord(Summary& summary, std::size_t index, const Result<Record>& record) {
    if (!record) {
        return corpus::TextEnd::failed(record.error());
    }
    return addRecord(summary, index, record.value());
}

}  // namespace undertext::cli
