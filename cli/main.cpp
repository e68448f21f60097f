#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
    using namespace undertext::cli;
    const auto line = parseCommandLine({argv + 1, argv + argc});
    return finishStandardOutput(line.command ? runCommand(*line.command) : line.exitStatus);
}
