#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace undertext {

// File names on Linux are UTF-8 and case-sensitive, while the programs match
// module names, report patterns and remembered folders without regard to the
// case of Latin and Cyrillic letters. These helpers do that matching.

// The name with Latin and Cyrillic letters (Ё included) lower-cased; other
// characters and malformed bytes are kept as they are.
std::string foldNameCase(std::string_view utf8Name);

bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// Shell-style match with '*' (any run) and '?' (one character) that ignores the
// case of Latin and Cyrillic letters: "*.dic" matches "COMMON.DIC".
bool matchesPattern(std::string_view utf8Name, std::string_view pattern);

// Names of the regular files in folder that match pattern, sorted without regard
// to case (ties by exact name). A folder that cannot be read gives an empty list.
std::vector<std::string> listMatchingFiles(const std::filesystem::path& folder,
                                           std::string_view pattern);

// The entry of folder whose name equals name: the exact name when it exists,
// else the first name (in sorted order) that differs only in letter case.
std::optional<std::filesystem::path> findNameIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

// An existing path whose components equal those of path without regard to case,
// resolved component by component; nullopt when some component has no match.
std::optional<std::filesystem::path> resolvePathIgnoringCase(const std::filesystem::path& path);

}  // namespace undertext
