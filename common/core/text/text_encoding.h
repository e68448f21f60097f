#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace undertext {

// The decoding layer between the files users have and the Windows-1251 bytes the
// engines work on. Texts and modules are decoded once when they are read; what a
// job writes beside a text is encoded back into the text's own encoding.
//
// Contract: the Windows-1251 form of a decoded text holds exactly one byte per
// character of the decoded text after NFC normalisation (an undecodable byte of
// the source counts as one character). A byte offset in it is therefore a
// character offset in the decoded text, and any piece of Windows-1251 text
// encodes back on its own. A Windows-1251 file decodes to its own bytes and
// encodes back to them unchanged. Stateless and thread-safe.

enum class TextEncoding {
    Windows1251,
    Utf8,
    Utf16Le,
    Utf16Be,
    Koi8R,
    Cp866,
    Iso8859_5,
    Utf32Le,
    Utf32Be,
};

// An encoding as a file uses it: with or without a byte-order mark (UTF only).
struct SourceEncoding {
    TextEncoding encoding = TextEncoding::Windows1251;
    bool byteOrderMark = false;

    bool operator==(const SourceEncoding&) const = default;
};

// True for UTF-8, UTF-16 and UTF-32, the encodings that may have a byte-order
// mark and hold more than one byte per character.
constexpr bool isUnicode(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf16Le ||
           encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Le ||
           encoding == TextEncoding::Utf32Be;
}

// Bytes per code unit: 2 in UTF-16, 4 in UTF-32, 1 in the others.
constexpr std::size_t codeUnitSize(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return 2;
        case TextEncoding::Utf32Le:
        case TextEncoding::Utf32Be:
            return 4;
        default:
            return 1;
    }
}

// True for the encodings that write the high byte of a code unit first.
constexpr bool isBigEndian(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Be;
}

// The byte-order mark of a Unicode encoding; empty for the others.
std::string_view byteOrderMarkOf(TextEncoding encoding);

// The name shown to users: "Windows-1251", "UTF-8", "UTF-16LE", "UTF-32BE", ...
std::string_view encodingName(TextEncoding encoding);

// The name with " BOM" added when the file has a byte-order mark.
std::string describeEncoding(SourceEncoding encoding);

// An encoding a user may force instead of the detected one: the batch tool's
// option value and the label of the windows' list. "utf-16" takes the byte order
// from the byte-order mark, little-endian without one.
struct EncodingChoice {
    std::string_view option;
    std::string_view label;
    TextEncoding encoding;
};
inline constexpr std::array<EncodingChoice, 5> kEncodingChoices = {{
    {"windows-1251", "Windows-1251", TextEncoding::Windows1251},
    {"utf-8", "UTF-8", TextEncoding::Utf8},
    {"utf-16", "UTF-16", TextEncoding::Utf16Le},
    {"koi8-r", "KOI8-R", TextEncoding::Koi8R},
    {"cp866", "CP866", TextEncoding::Cp866},
}};

// The encoding of a file's bytes: a byte-order mark decides (UTF-8, UTF-16 or
// UTF-32, little- or big-endian); otherwise text that
// is UTF-8 apart from a few stray bytes is UTF-8; otherwise the statistical
// detector's answer among the Cyrillic 8-bit encodings, from the first 16 KB;
// Windows-1251 when it has no confident answer (pure ASCII included).
SourceEncoding detectEncoding(std::string_view bytes);

// A character of the decoded text that its Windows-1251 form holds as the
// separator '?': one the code page lacks, or U+FFFD for an invalid byte.
struct OtherCharacter {
    std::size_t position;  // in the Windows-1251 form
    char32_t codePoint;

    bool operator==(const OtherCharacter&) const = default;
};

struct DecodedText {
    std::string cp1251;  // see the contract above
    SourceEncoding encoding;
    // Bytes of the source that are not valid in its encoding; each became one
    // separator ('?').
    std::size_t invalidBytes = 0;
    // What stands in the source where cp1251 has a '?' it did not have, by
    // position: shown to users in place of the '?' (contexts of occurrences).
    std::vector<OtherCharacter> otherCharacters;
};

// Decodes a file's bytes in the forced encoding, or the detected one when none is
// forced. Characters that Windows-1251 cannot hold become '?', a separator.
DecodedText decodeText(std::string_view bytes, std::optional<TextEncoding> forced = std::nullopt);
// The same, taking the bytes over: a Windows-1251 file becomes its own
// Windows-1251 form without a copy.
DecodedText decodeText(std::string&& bytes, std::optional<TextEncoding> forced = std::nullopt);

// Encodes Windows-1251 text into one encoding, piece by piece: every byte becomes
// the same bytes wherever it stands, so pieces may be cut anywhere. A character
// the target cannot hold is written as '?'.
class TextEncoder {
  public:
    explicit TextEncoder(SourceEncoding target = {});

    // What a file in the target encoding starts with: its byte-order mark, if any.
    std::string_view preamble() const { return preamble_; }
    // True when encoding leaves the bytes as they are (Windows-1251).
    bool passesThrough() const { return passesThrough_; }
    void append(std::string& out, std::string_view cp1251) const;
    // Writes the encoded text at out, which has room for maxEncodedSize bytes,
    // and returns the end of what it wrote.
    char* encodeInto(std::string_view cp1251, char* out) const;
    // The most bytes a Windows-1251 byte takes is four, in UTF-32.
    static std::size_t maxEncodedSize(std::size_t cp1251Size) { return cp1251Size * 4 + 1; }
    std::string encode(std::string_view cp1251) const;
    // A whole file: the preamble and the encoded text.
    std::string encodeFile(std::string_view cp1251) const;
    // Whether encodeFile(cp1251) is file, found without making it.
    bool makesFile(std::string_view cp1251, std::string_view file) const;

  private:
    // The target's bytes of each Windows-1251 byte, at most 4 (UTF-32), in the low
    // 32 bits as memory holds them, and their count above: one load a byte.
    std::array<std::uint64_t, 256> table_{};
    std::string preamble_;
    bool passesThrough_ = true;
    bool asciiKept_ = false;  // ASCII bytes stay as they are (all but UTF-16 and UTF-32)
};

}  // namespace undertext
