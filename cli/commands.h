#pragma once

#include "cli/cli_support.h"
#include "cli/command_options.h"
#include "echoscan/core/fragment_lengths.h"

namespace undertext::cli {

// Each sub-command takes its options and returns the exit status.
int runModulesCommand(const ModulesOptions& options);
int runCreateCommand(const CreateOptions& options);
int runEmbedCommand(const EmbedOptions& options);
int runEchoscanCommand(const EchoscanOptions& options);
int runKwicCommand(const KwicOptions& options);
int runSummaryCommand(const SummaryOptions& options);

// The same commands over many texts (see isCorpusRun).
int runEmbedCorpus(const EmbedOptions& options);
int runEchoscanCorpus(const EchoscanOptions& options);
// The fragments shared across the texts, into --summary.
int runEchoscanAcross(const EchoscanOptions& options, echoscan::FragmentLengths lengths);
int runViewCommand(const ViewOptions& options);

}  // namespace undertext::cli
