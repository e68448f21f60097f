#pragma once

#include "cli/command_options.h"

namespace CLI {
class App;
}

namespace undertext::cli {

// Declares a sub-command on the tool's app with its help, its positional words
// and its options, each typed, straight into the fields of options (which must
// outlive the app's parse). A value out of an option's range or choices is
// refused while the line is parsed, with the option's message (RefusedValue).
// Every option takes a value; the last one given counts. Returns the sub-command.
CLI::App* declareCommand(CLI::App& tool, ModulesOptions& options);
CLI::App* declareCommand(CLI::App& tool, CreateOptions& options);
CLI::App* declareCommand(CLI::App& tool, EmbedOptions& options);
CLI::App* declareCommand(CLI::App& tool, EchoscanOptions& options);
CLI::App* declareCommand(CLI::App& tool, KwicOptions& options);
CLI::App* declareCommand(CLI::App& tool, SummaryOptions& options);
CLI::App* declareCommand(CLI::App& tool, ViewOptions& options);

// Said at the end of the tool's help and of every command's.
inline constexpr const char* kExitStatuses =
    "Exit status: 0 done, 1 refused or a file error, 2 a usage error; stopped by\n"
    "SIGINT, SIGTERM or SIGHUP: 130, 143 or 129 (a second signal ends it at once).";

}  // namespace undertext::cli
