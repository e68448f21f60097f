#pragma once

#include "cli/cli_support.h"

namespace undertext::cli {

// Each sub-command takes its parsed arguments and returns the exit status.
int runModulesCommand(const Arguments& arguments);
int runCreateCommand(const Arguments& arguments);
int runEmbedCommand(const Arguments& arguments);
int runEchoscanCommand(const Arguments& arguments);

}  // namespace undertext::cli
