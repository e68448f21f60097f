#include "common/core/files/encoded_size.h"

#include <algorithm>
#include <string>

namespace undertext {

EncodedSize::EncodedSize(const TextEncoder& encoder) : preamble_(encoder.preamble().size()) {
    for (int byte = 0; byte < 256; ++byte) {
        widths_[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(
            encoder.encode(std::string(1, static_cast<char>(byte))).size());
    }
    if (std::all_of(widths_.begin(), widths_.end(),
                    [&](std::uint8_t width) { return width == widths_[0]; })) {
        uniformWidth_ = widths_[0];
    }
}

std::uint64_t EncodedSize::of(std::string_view cp1251) const {
    if (uniformWidth_ != 0) {
        return uniformWidth_ * cp1251.size();
    }
    std::uint64_t bytes = 0;
    for (const char c : cp1251) {
        bytes += widths_[static_cast<unsigned char>(c)];
    }
    return bytes;
}

}  // namespace undertext
