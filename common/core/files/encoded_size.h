#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/core/text/text_encoding.h"

namespace undertext {

// Counts the bytes Windows-1251 text takes once an encoder has turned it into a
// file's encoding, without encoding it: each byte's width is looked up (the
// encodings map byte by byte).
class EncodedSize {
  public:
    explicit EncodedSize(const TextEncoder& encoder);

    std::uint64_t of(std::string_view cp1251) const;
    // The byte-order mark a file starts with.
    std::uint64_t preamble() const { return preamble_; }

  private:
    std::array<std::uint8_t, 256> widths_{};
    std::uint64_t preamble_ = 0;
    std::uint64_t uniformWidth_ = 0;  // every byte's width when all are alike, else 0
};

}  // namespace undertext
