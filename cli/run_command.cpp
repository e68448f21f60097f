#include "cli/run_command.h"

#include <new>

#include "common/core/stop_signals.h"

namespace undertext::cli {

int runCommand(Command run, const Arguments& arguments) {
    installStopSignals();
    int status = kExitRefused;
    try {
        status = run(arguments);
    } catch (const std::bad_alloc&) {
        printError(outOfMemoryBlame());
    }
    if (stopRequested()) {
        printError("stopped");
        return kExitStopped;
    }
    return status;
}

}  // namespace undertext::cli
