#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace undertext::cli {

// Where the batch tool looks for modules when no --dict-dir is given, in order:
// the current folder, the user's folder (${XDG_DATA_HOME:-$HOME/.local/share}/undertext,
// left out when neither variable is set) and the installed default modules.
std::vector<std::filesystem::path> moduleFolderCandidates(const char* xdgDataHome, const char* home,
                                                          const std::filesystem::path& installed);

// The first candidate that holds a module, or the first candidate when none does.
std::filesystem::path firstFolderWithModules(const std::vector<std::filesystem::path>& candidates);

// The folder of the running program; empty when it cannot be told.
std::filesystem::path runningProgramFolder();

// The installed default modules: share/undertext/dictionaries beside the folder of
// the running program, so an installed tree can move as a whole.
std::filesystem::path installedModuleFolder();

// The folder a sub-command takes its modules from: dictDir when given, otherwise
// the first of moduleFolderCandidates() that holds a module. A folder other than
// the current one is named on standard error, so the user knows which was used.
std::filesystem::path moduleFolder(const std::optional<std::filesystem::path>& dictDir);

}  // namespace undertext::cli
