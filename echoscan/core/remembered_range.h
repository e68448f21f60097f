#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/core/result.h"

namespace undertext::echoscan {

inline constexpr const char* kLastRangeFile = "LastRange.txt";

// The fragment lengths of the last run that started, as the boxes showed them.
struct LengthRange {
    std::string shortest;
    std::string longest;

    bool operator==(const LengthRange&) const = default;
};

// A one-line memory file in startFolder, beside LastPath.txt: the two lengths
// separated by a blank, then CR LF. The name is matched without regard to
// letter case. A missing, unreadable or malformed file (anything but two
// numbers of up to 9 digits) gives nullopt, and the boxes keep their defaults.
std::optional<LengthRange> readRememberedRange(const std::filesystem::path& startFolder);

// Creates or replaces the memory file.
Status writeRememberedRange(const std::filesystem::path& startFolder, const LengthRange& range);

}  // namespace undertext::echoscan
