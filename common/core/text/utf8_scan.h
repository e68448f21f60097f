#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The fast passes over bytes that may be UTF-8, shared by the detection (is it
// UTF-8?) and the decoding (UTF-8 straight to Windows-1251). Internal to the
// decoding layer, whose public header is text_encoding.h. The small functions
// are inline: they run once a byte.
namespace undertext::utf8_scan {

inline bool isAscii(std::string_view bytes, std::size_t pos) {
    return pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80;
}

// The position of the first byte from pos on that is not ASCII (or the end),
// looking at eight bytes at a time.
inline std::size_t skipAscii(std::string_view bytes, std::size_t pos) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (pos + 8 <= bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + pos, 8);
        if ((word & kHighBits) != 0) {
            break;
        }
        pos += 8;
    }
    while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80) {
        ++pos;
    }
    return pos;
}

// The Windows-1251 byte of every two-byte UTF-8 character (lead 0xC2 to 0xDF,
// then a continuation byte), or -1 where the code page has no form for it. Russian
// text in UTF-8 is almost all such characters; the table decodes them at once.
class TwoByteTable {
  public:
    TwoByteTable();

    // The character at pos when it is one of two bytes: its Windows-1251 byte, or
    // -1 when it has none; kNotTwoBytes for anything else (an invalid one included).
    static constexpr int kNotTwoBytes = -2;
    int at(std::string_view bytes, std::size_t pos) const {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        if (lead < 0xC2 || lead > 0xDF || pos + 1 >= bytes.size()) {
            return kNotTwoBytes;
        }
        const auto next = static_cast<unsigned char>(bytes[pos + 1]);
        if ((next & 0xC0) != 0x80) {
            return kNotTwoBytes;
        }
        return bytes_[static_cast<std::size_t>(lead - 0xC2) * 64 + (next & 0x3F)];
    }

  private:
    std::array<std::int16_t, 30 * 64> bytes_{};
};

// The one table, built at first use; thread-safe.
const TwoByteTable& twoByteTable();

struct Utf8Tally {
    std::size_t multibyte = 0;  // valid characters of two bytes or more
    std::size_t invalid = 0;    // bytes that start no valid character
};

// True once the rest of the text, from pos on, could no longer make it UTF-8.
inline bool cannotBeUtf8(const Utf8Tally& tally, std::string_view bytes, std::size_t pos) {
    return tally.invalid * 4 > tally.multibyte + (bytes.size() - pos) / 2;
}

// Counts the valid characters of two bytes or more and the invalid bytes of a
// text; stops early once the rest of the text could no longer make it UTF-8.
Utf8Tally tallyUtf8(std::string_view bytes);

// Text is taken as UTF-8 when stray invalid bytes are few beside its valid
// characters; Windows-1251 Cyrillic text is almost all invalid UTF-8.
inline bool looksLikeUtf8(const Utf8Tally& tally) {
    return tally.multibyte > 0 && tally.invalid * 4 <= tally.multibyte;
}

}  // namespace undertext::utf8_scan
