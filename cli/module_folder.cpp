#include "cli/module_folder.h"

#include <cstdlib>
#include <system_error>

#include "cli/cli_support.h"
#include "common/core/dictionary/dictionary_modules.h"

namespace undertext::cli {

std::vector<std::filesystem::path> moduleFolderCandidates(const char* xdgDataHome, const char* home,
                                                          const std::filesystem::path& installed) {
    std::vector<std::filesystem::path> candidates{"."};
    // As the XDG rules say, an empty or relative XDG_DATA_HOME counts as unset.
    if (xdgDataHome && std::filesystem::path(xdgDataHome).is_absolute()) {
        candidates.push_back(std::filesystem::path(xdgDataHome) / "undertext");
    } else if (home && *home) {
        candidates.push_back(std::filesystem::path(home) / ".local/share/undertext");
    }
    candidates.push_back(installed);
    return candidates;
}

std::filesystem::path firstFolderWithModules(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& folder : candidates) {
        if (hasAnyModule(folder)) {
            return folder;
        }
    }
    return candidates.front();
}

std::filesystem::path runningProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

std::filesystem::path installedModuleFolder() {
    const auto folder = runningProgramFolder();
    return folder.empty() ? folder : folder / UNDERTEXT_BIN_TO_MODULES;
}

std::filesystem::path moduleFolder(const std::optional<std::filesystem::path>& dictDir) {
    if (dictDir) {
        return *dictDir;
    }
    const auto folder = firstFolderWithModules(moduleFolderCandidates(
        std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), installedModuleFolder()));
    if (folder != ".") {
        printError("modules from " + folder.lexically_normal().string());
    }
    return folder;
}

}  // namespace undertext::cli
