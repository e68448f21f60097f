#pragma once

#include <cstdlib>
#include <filesystem>

namespace undertext::bench {

// The folder that holds the default dictionary modules: $UNDERTEXT_DICT_DIR, or
// the run folder that ./run.sh and bench/run.sh prepare.
inline std::filesystem::path dictionaryFolder() {
    if (const char* folder = std::getenv("UNDERTEXT_DICT_DIR")) {
        return folder;
    }
    return "build/release/run";
}

}  // namespace undertext::bench
