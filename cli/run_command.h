#pragma once

#include "cli/command_options.h"

namespace undertext::cli {

// Runs the sub-command the options belong to, with SIGINT, SIGTERM and SIGHUP
// taken as a stop request and SIGXFSZ ignored (see installStopSignals). A stopped
// run says so and ends with the signal's status (130, 143 or 129) once the job
// has cleaned up; running out of memory is reported with the message the command
// set (see blameOutOfMemoryOn) and ends with status 1.
int runCommand(const CommandOptions& command);

}  // namespace undertext::cli
