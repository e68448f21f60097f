#pragma once

#include "cli/cli_support.h"
#include "cli/command_options.h"

namespace undertext::cli {

// Each sub-command takes its options and returns the exit status.
int runModulesCommand(const ModulesOptions& options);
int runCreateCommand(const CreateOptions& options);
int runEmbedCommand(const EmbedOptions& options);
int runEchoscanCommand(const EchoscanOptions& options);
int runKwicCommand(const KwicOptions& options);
int runViewCommand(const ViewOptions& options);

}  // namespace undertext::cli
