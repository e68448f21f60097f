#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/letters.h"
#include "common/core/result.h"
#include "common/core/text_encoding.h"

namespace undertext::echoscan {

// Suffix of the prepared text file, written beside the source.
inline constexpr const char* kFragmentTextSuffix = "_RecPrep.txt";

// FragmentText: the source reduced to the letters of the language, lower-cased,
// with every run of other bytes (line breaks included) turned into one blank. It
// has no line break, and two blanks never stand side by side.
std::string prepareFragmentText(std::string_view source, Language language);

// The FragmentText of a source (Windows-1251) and the source's encoding.
struct FragmentSource {
    std::string text;
    SourceEncoding encoding;
};

// Reads the source file and decodes it (in the forced encoding, or the detected
// one), writes its FragmentText whole to preparedPath in the source's encoding
// (replacing an earlier one) and returns it. A failure leaves preparedPath as it
// was and names the file that could not be read or written.
Result<FragmentSource> writeFragmentText(const std::filesystem::path& sourcePath,
                                         const std::filesystem::path& preparedPath,
                                         Language language,
                                         std::optional<TextEncoding> forced = std::nullopt);

}  // namespace undertext::echoscan
