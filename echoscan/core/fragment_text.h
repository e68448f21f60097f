#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/core/letters.h"
#include "common/core/result.h"

namespace undertext::echoscan {

// Suffix of the prepared text file, written beside the source.
inline constexpr const char* kFragmentTextSuffix = "_RecPrep.txt";

// FragmentText: the source reduced to the letters of the language, lower-cased,
// with every run of other bytes (line breaks included) turned into one blank. It
// has no line break, and two blanks never stand side by side.
std::string prepareFragmentText(std::string_view source, Language language);

// Reads the source file (or takes sourceBytes, when given, as its bytes), writes its FragmentText
// whole to preparedPath (replacing an earlier one) and returns it. A failure leaves preparedPath as
// it was and names the file that could not be read or written.
Result<std::string> writeFragmentText(const std::filesystem::path& sourcePath,
                                      const std::filesystem::path& preparedPath, Language language,
                                      const std::string* sourceBytes = nullptr);

}  // namespace undertext::echoscan
