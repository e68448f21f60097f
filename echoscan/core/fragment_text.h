#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"

namespace undertext::echoscan {

// Suffix of the prepared text file, written beside the source.
inline constexpr const char* kFragmentTextSuffix = "_RecPrep.txt";

// FragmentText: the source reduced to the letters of the language, lower-cased,
// with every run of other bytes (line breaks included) turned into one blank. It
// has no line break, and two blanks never stand side by side. When sourcePositions
// is given, it receives, for each byte of the result in order, the 0-based position
// in source of the letter it came from, or of the first byte of the run a blank
// stands for (4 bytes per byte of the result; the source must be under 4 GiB).
std::string prepareFragmentText(std::string_view source, Language language,
                                std::vector<std::uint32_t>* sourcePositions = nullptr);

// The FragmentText of a source (Windows-1251) and the source's encoding.
struct FragmentSource {
    std::string text;
    SourceEncoding encoding;
};

// Reads the source file and decodes it (in the forced encoding, or the detected
// one), or takes sourceText when the caller has done both already, and prepares
// its FragmentText. A source that cannot be read is named in the failure.
Result<FragmentSource> readFragmentSource(const std::filesystem::path& sourcePath,
                                          Language language,
                                          const DecodedText* sourceText = nullptr,
                                          std::optional<TextEncoding> forced = std::nullopt);

}  // namespace undertext::echoscan
