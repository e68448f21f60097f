#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"

namespace undertext::cli {

// Says on standard error how many words of the module can never match (see
// canNeverMatch), with the first of them; nothing when there are none.
void noteUnmatchableWords(const std::string& moduleName, const DicWords& words);

// The same for each of the modules a run is about to load from folder, once per
// module; a module that cannot be read or held in memory is left to the run,
// which names it.
void noteUnmatchableWords(const std::filesystem::path& folder,
                          const std::vector<std::string>& modules);

}  // namespace undertext::cli
