#include "cli/cli_support.h"
#include "cli/command_line.h"

int main(int argc, char** argv) {
    using namespace undertext::cli;
    const auto line = parseCommandLine({argv + 1, argv + argc});
    return finishStandardOutput(line.run ? line.run(line.arguments) : line.exitStatus);
}
