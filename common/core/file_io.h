#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "result.h"

namespace undertext {

// Reads a whole file as bytes. The error names the file.
Result<std::string> readWholeFile(const std::filesystem::path& path);

// Writes content as the whole new content of path: it goes to a temporary file in
// the same folder, which replaces the target only once it is complete. On any
// failure the target is left as it was, the temporary file is removed, and the
// error names the target.
Status writeWholeFile(const std::filesystem::path& path, std::string_view content);

// Removes a file; a file that is already absent is not an error.
Status removeFile(const std::filesystem::path& path);

// The path as text for messages (UTF-8, as the file system names it).
std::string displayPath(const std::filesystem::path& path);

}  // namespace undertext
