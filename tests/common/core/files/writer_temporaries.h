#pragma once

#include <filesystem>

#include "common/core/files/leftover_files.h"

namespace undertext::testing {

// How many temporary files of the whole-file writer the folder holds.
inline int writerTemporaryCount(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with(kTemporaryPrefix);
    }
    return count;
}

}  // namespace undertext::testing
