#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/core/text/source_span.h"
#include "common/core/text/text_encoding.h"

namespace undertext {

// One keyword-in-context line: an occurrence and the text on either side of it,
// in UTF-8, each line break (CR LF, CR or LF) and tab turned into one blank so
// that the line stays one line.
struct KwicLine {
    std::uint64_t position = 0;  // 1-based position of the span's first character
    std::string left;            // up to `width` characters before the span
    std::string span;            // the span as it stands in the source
    std::string right;           // up to `width` characters after it
};

inline constexpr std::size_t kDefaultKwicWidth = 40;

// The line of span in the decoded source, with the source's own characters where
// its Windows-1251 form holds '?' for them; span must lie within it.
KwicLine kwicLine(const DecodedText& source, SourceSpan span, std::size_t width);

// The line as tab-separated text: position, left, span, right; no line end.
std::string tabSeparated(const KwicLine& line);

}  // namespace undertext
