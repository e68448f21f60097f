#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/command_options.h"

namespace undertext::cli {

// What a command line asks for: the sub-command to run with its options, or, when
// the line was answered already (help, version) or refused (a usage error,
// printed on standard error), no command and the exit status.
struct CommandLine {
    std::optional<CommandOptions> command;
    int exitStatus = kExitOk;
};

// Parses the arguments after the program's name. Every option takes a value
// ("--name value" or "--name=value"; the last one given counts); "--" ends the
// options; -h or --help (also after a sub-command) prints help on standard output.
CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace undertext::cli
