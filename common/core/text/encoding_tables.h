#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "common/core/text/text_encoding.h"

// What the detection, the decoding and the encoding of texts share: the marks
// and stand-ins they agree on, and the code point of every byte of the 8-bit
// encodings. Internal to the decoding layer, whose public header is
// text_encoding.h.
namespace undertext::encoding_tables {

// What a character without a Windows-1251 form becomes: a separator.
inline constexpr char kSeparator = '?';
// Stands for an undecodable byte until the text is mapped to Windows-1251.
inline constexpr char32_t kReplacement = 0xFFFD;
// A byte that an 8-bit encoding assigns no character to.
inline constexpr char32_t kUndefined = 0xFFFFFFFF;

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
inline constexpr std::string_view kUtf32LeMark{"\xFF\xFE\x00\x00", 4};
inline constexpr std::string_view kUtf32BeMark{"\x00\x00\xFE\xFF", 4};

inline constexpr std::size_t kUtf32Unit = 4;

// The UTF-32 code unit of the four bytes at pos.
char32_t utf32UnitAt(std::string_view bytes, std::size_t pos, bool bigEndian);

// True for a value that is a Unicode code point: no surrogate, none past U+10FFFF.
constexpr bool isCodePoint(char32_t value) {
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

// The encoding whose byte-order mark the bytes start with, if any. The UTF-32
// little-endian mark begins with the UTF-16 one and wins over it.
std::optional<TextEncoding> encodingOfMark(std::string_view bytes);

// True for the 8-bit encodings other than Windows-1251 (those iconv converts).
bool isEightBit(TextEncoding encoding);

// The code point of every byte of an 8-bit encoding or of Windows-1251,
// kUndefined where the encoding assigns none. Built once, thread-safe.
using ByteTable = std::array<char32_t, 256>;
const ByteTable& byteTable(TextEncoding encoding);

}  // namespace undertext::encoding_tables
