#include "cli/run_command.h"

#include <new>

#include "cli/commands.h"
#include "common/core/stop_signals.h"

namespace undertext::cli {
namespace {

struct CommandRunner {
    int operator()(const ModulesOptions& options) const { return runModulesCommand(options); }
    int operator()(const CreateOptions& options) const { return runCreateCommand(options); }
    int operator()(const EmbedOptions& options) const { return runEmbedCommand(options); }
    int operator()(const EchoscanOptions& options) const { return runEchoscanCommand(options); }
    int operator()(const KwicOptions& options) const { return runKwicCommand(options); }
    int operator()(const SummaryOptions& options) const { return runSummaryCommand(options); }
    int operator()(const ViewOptions& options) const { return runViewCommand(options); }
};

}  // namespace

int runCommand(const CommandOptions& command) {
    installStopSignals();
    int status = kExitRefused;
    try {
        status = std::visit(CommandRunner{}, command);
    } catch (const std::bad_alloc&) {
        printError(outOfMemoryBlame());
    }
    if (stopRequested()) {
        printError("stopped");
        return stopExitStatus();
    }
    return status;
}

}  // namespace undertext::cli
