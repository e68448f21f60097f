#include "common/core/files/encoded_size.h"

#include <string>

namespace undertext {

EncodedSize::EncodedSize(const TextEncoder& encoder) : preamble_(encoder.preamble().size()) {
    for (int byte = 0; byte < 256; ++byte) {
        widths_[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(
            encoder.encode(std::string(1, static_cast<char>(byte))).size());
    }
}

std::uint64_t EncodedSize::of(std::string_view cp1251) const {
    std::uint64_t bytes = 0;
    for (const char c : cp1251) {
        bytes += widths_[static_cast<unsigned char>(c)];
    }
    return bytes;
}

}  // namespace undertext
