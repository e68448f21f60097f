#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/core/result.h"

namespace undertext {

// A size for messages: bytes, КБ, МБ or ГБ with one decimal (a comma), rounded up.
std::string sizeText(std::uint64_t bytes);

// Refuses, naming the size needed and the free space, a file of bytesNeeded bytes
// that would not fit the free space of the file system that holds path's folder. A
// file system that cannot be asked is taken to have room.
Status ensureRoomFor(const std::filesystem::path& path, std::uint64_t bytesNeeded);

}  // namespace undertext
