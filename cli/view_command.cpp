#include <fcntl.h>
#include <signal.h>
#include <spawn.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/module_folder.h"

extern char** environ;

namespace undertext::cli {
namespace {

// The variable that names another viewer program to start (tests give a stand-in).
constexpr const char* kViewerVariable = "UNDERTEXT_VIEWER";

// The viewer to start: the one the variable names; otherwise, beside this tool,
// the installed launcher (undertext-view) or the build tree's program (Viewer),
// then the installed program in its private folder. Empty when there is none.
std::filesystem::path viewerProgram() {
    if (const char* named = std::getenv(kViewerVariable); named != nullptr && *named != '\0') {
        return named;
    }
    const auto folder = runningProgramFolder();
    if (folder.empty()) {
        return {};
    }
    for (const auto& candidate :
         {folder / "undertext-view", folder / "Viewer", folder / UNDERTEXT_BIN_TO_VIEWER}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.lexically_normal();
        }
    }
    return {};
}

// Starts program on file in a session of its own, its standard streams on
// /dev/null and its signals as a fresh program has them, so that it outlives the
// shell's job and holds no pipe open. Returns 0, or the errno of the failure.
int startDetached(const std::filesystem::path& program, const std::filesystem::path& file) {
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    for (const int stream : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&streams, stream, "/dev/null",
                                         stream == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    std::string programName = program.string();
    std::string fileName = file.string();
    std::vector<char*> argv{programName.data(), fileName.data(), nullptr};
    pid_t child = 0;
    const int failure =
        posix_spawn(&child, programName.c_str(), &streams, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&streams);
    return failure;
}

}  // namespace

int runViewCommand(const ViewOptions& options) {
    if (options.positional.size() != 1) {
        printError("view takes one FILE (see undertext view --help)");
        return kExitUsage;
    }
    std::error_code error;
    const auto file = std::filesystem::absolute(options.positional.front(), error);
    if (error || !std::filesystem::exists(file, error)) {
        printError("no file " + options.positional.front());
        return kExitUsage;
    }
    const auto program = viewerProgram();
    if (program.empty()) {
        printError("cannot find the viewer undertext-view beside " +
                   runningProgramFolder().string());
        return kExitRefused;
    }
    if (const int failure = startDetached(program, file.lexically_normal()); failure != 0) {
        printError("cannot start the viewer " + program.string() + ": " + std::strerror(failure));
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace undertext::cli
