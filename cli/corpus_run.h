#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_options.h"
#include "common/core/job_control.h"
#include "corpus/core/term_summary.h"
#include "corpus/core/text_collection.h"
#include "corpus/core/text_pool.h"

namespace undertext::cli {

// True when a command's words and options ask for a run over many texts: more than
// one path, a folder, a --files-from list, a summary or --no-reports. One file
// alone is a single run, as today.
bool isCorpusRun(const std::vector<std::string>& paths, const CorpusOptions& corpus);

// The texts of paths, then of the --files-from list (the summary files never among
// them), every note of the collection printed. nullopt, with the reason printed, when
// the list cannot be read or no text is left; lostText is set when a note cost a text.
std::optional<std::vector<corpus::CorpusText>> gatherTexts(const std::vector<std::string>& paths,
                                                           const CorpusOptions& corpus,
                                                           bool& lostText);

// One text's work in a corpus command, on a worker thread: its place in the run and
// its path. It prints nothing; a failure's message is printed with the text's name.
using CorpusTextWork = std::function<corpus::TextEnd(
    std::size_t index, const std::filesystem::path& text, JobControl& control)>;

// Whether a command writes beside its texts, so that the leftovers of killed runs
// are swept from their folders first (never while a worker writes there).
enum class WritesBesideTexts { No, Yes };

// A command over many texts: gathers them from paths and the --files-from list (the
// summary files never among them; every note of the collection printed), runs work
// over them with corpus.jobs workers, stopping at a stop signal and showing progress
// on standard error unless quiet, then writes the summary when --summary asks.
// --no-reports without --summary is refused (status 2) before anything is read.
// Returns the exit status: 1 when a text was lost or failed, the summary could not be
// written, or after a stop (which the caller reports with the signal's status).
int runCorpusCommand(const std::vector<std::string>& paths, const CorpusOptions& corpus,
                     WritesBesideTexts writes, corpus::TermSummary& summary,
                     const CorpusTextWork& work);

}  // namespace undertext::cli
