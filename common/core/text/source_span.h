#pragma once

#include <cstdint>

namespace undertext {

// A stretch of a source text: the characters at 0-based positions begin to end - 1.
// The engines read Windows-1251, one byte per character, so these are byte
// positions of that form and character positions of the text alike.
struct SourceSpan {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;

    friend bool operator==(const SourceSpan&, const SourceSpan&) = default;
};

}  // namespace undertext
