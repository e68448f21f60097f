#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "common/core/text/text_encoding.h"

namespace undertext {

// How much of a file's start is enough to tell its encoding.
inline constexpr std::size_t kEncodingSample = 1 << 20;

// The encoding a job wrote a report in, which is its source text's. A byte-order
// mark or UTF-8 in the report decides. Otherwise, when the source's start is at
// hand and is in an 8-bit encoding as well, the source's detected encoding: the
// detector tells the Cyrillic 8-bit encodings apart far more surely on a text than
// on a short report. Otherwise the report's own detected encoding.
SourceEncoding reportEncoding(std::string_view reportStart,
                              std::optional<std::string_view> sourceStart);

}  // namespace undertext
