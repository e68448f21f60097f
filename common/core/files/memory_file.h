#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "common/core/result.h"

namespace undertext {

inline constexpr const char* kLastPathFile = "LastPath.txt";
inline constexpr const char* kLastPathSynthFile = "LastPathSynth.txt";

// A one-line file in startFolder that remembers the folder from which the user
// last picked a file. The name is matched without regard to letter case. The
// folder is stored in Windows-1251 followed by CR LF.

// The remembered folder, read back upper-cased as the programs always have, then
// resolved against the disk without regard to case so that it stays usable on a
// case-sensitive file system (the upper-cased text is kept when nothing on disk
// matches). A file of 2 bytes or fewer is deleted when deleteShort is set and is
// ignored either way; a missing or unreadable file gives nullopt.
std::optional<std::filesystem::path> readRememberedFolder(const std::filesystem::path& startFolder,
                                                          std::string_view fileName,
                                                          bool deleteShort);

// Creates or replaces the memory file with folder + CR LF.
Status writeRememberedFolder(const std::filesystem::path& startFolder, std::string_view fileName,
                             const std::filesystem::path& folder);

}  // namespace undertext
