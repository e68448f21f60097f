#pragma once

#include "cli/command_line.h"

namespace undertext::cli {

// Runs a sub-command with SIGINT and SIGTERM taken as a stop request and SIGXFSZ
// ignored. A stopped run ends with status 130 once the job has cleaned up; running
// out of memory is reported with the message the command set (see
// blameOutOfMemoryOn) and ends with status 1.
int runCommand(Command run, const Arguments& arguments);

}  // namespace undertext::cli
