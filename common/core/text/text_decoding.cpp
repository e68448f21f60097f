#include "common/core/text/text_encoding.h"

#include <uninorm.h>

#include <cstdlib>
#include <memory>

#include "common/core/text/codepage.h"
#include "common/core/text/encoding_tables.h"
#include "common/core/text/utf8_scan.h"

namespace undertext {
namespace {

using namespace encoding_tables;
using namespace utf8_scan;

// Maps code points to Windows-1251 after NFC normalisation. Text whose every
// character has a Windows-1251 form is already in NFC (the code page holds no
// combining mark), so only other text is normalised.
std::string toCp1251(const std::u32string& text, std::vector<OtherCharacter>& others) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t cp : text) {
        const int byte = cp1251ByteOf(cp);
        if (byte < 0) {
            break;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (out.size() == text.size()) {
        return out;
    }
    std::size_t length = 0;
    std::unique_ptr<uint32_t, decltype(&std::free)> normalised(
        u32_normalize(UNINORM_NFC, reinterpret_cast<const uint32_t*>(text.data()), text.size(),
                      nullptr, &length),
        &std::free);
    const uint32_t* source = reinterpret_cast<const uint32_t*>(text.data());
    if (normalised) {
        source = normalised.get();
    } else {
        length = text.size();
    }
    out.clear();
    for (std::size_t i = 0; i < length; ++i) {
        const int byte = cp1251ByteOf(source[i]);
        if (byte < 0) {
            others.push_back({i, source[i]});
        }
        out.push_back(byte < 0 ? kSeparator : static_cast<char>(byte));
    }
    return out;
}

enum class Direct { Decoded, NoForm, NotUtf8 };

// Decodes UTF-8 straight to Windows-1251 while every character has a Windows-1251
// form, which needs no normalisation: NoForm at the first one without. The tally
// counts as detection does; untilNotUtf8 gives up (NotUtf8) once it shows the
// text can no longer be UTF-8.
Direct decodeUtf8Directly(std::string_view bytes, DecodedText& decoded, Utf8Tally& tally,
                          bool untilNotUtf8) {
    std::string& out = decoded.cp1251;
    const auto& twoBytes = twoByteTable();
    out.resize(bytes.size());
    char* next = out.data();
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (isAscii(bytes, pos)) {
            // A lone blank or sign between words is copied at once; a run in one go.
            *next++ = bytes[pos++];
            if (isAscii(bytes, pos)) {
                const auto ascii = skipAscii(bytes, pos);
                std::memcpy(next, bytes.data() + pos, ascii - pos);
                next += ascii - pos;
                pos = ascii;
            }
            continue;
        }
        if (const int byte = twoBytes.at(bytes, pos); byte != TwoByteTable::kNotTwoBytes) {
            if (byte < 0) {
                return Direct::NoForm;
            }
            *next++ = static_cast<char>(byte);
            ++tally.multibyte;
            pos += 2;
            continue;
        }
        char32_t cp = 0;
        const auto length = decodeUtf8Char(bytes, pos, cp);
        const int byte = length == 0 ? kSeparator : cp1251ByteOf(cp);
        if (byte < 0) {
            return Direct::NoForm;
        }
        if (length == 0) {
            decoded.otherCharacters.push_back(
                {static_cast<std::size_t>(next - out.data()), kReplacement});
        }
        *next++ = static_cast<char>(byte);
        ++(length == 0 ? tally.invalid : tally.multibyte);
        pos += length == 0 ? 1 : length;
        if (untilNotUtf8 && length == 0 && cannotBeUtf8(tally, bytes, pos)) {
            return Direct::NotUtf8;
        }
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return Direct::Decoded;
}

void decodeUtf8(std::string_view bytes, std::u32string& out, std::size_t& invalid) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        const auto length = decodeUtf8Char(bytes, pos, cp);
        if (length == 0) {
            out.push_back(kReplacement);
            ++invalid;
            ++pos;
        } else {
            out.push_back(cp);
            pos += length;
        }
    }
}

void decodeUtf16(std::string_view bytes, bool bigEndian, std::u32string& out,
                 std::size_t& invalid) {
    const auto unitAt = [&](std::size_t pos) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::size_t pos = 0;
    for (; pos + 1 < bytes.size(); pos += 2) {
        const char32_t unit = unitAt(pos);
        if (unit < 0xD800 || unit > 0xDFFF) {
            out.push_back(unit);
            continue;
        }
        const bool paired = unit <= 0xDBFF && pos + 3 < bytes.size() && unitAt(pos + 2) >= 0xDC00 &&
                            unitAt(pos + 2) <= 0xDFFF;
        if (paired) {
            out.push_back(0x10000 + ((unit - 0xD800) << 10) + (unitAt(pos + 2) - 0xDC00));
            pos += 2;
        } else {
            out.append(2, kReplacement);
            invalid += 2;
        }
    }
    if (pos < bytes.size()) {  // an odd last byte
        out.push_back(kReplacement);
        ++invalid;
    }
}

// Each unit of four bytes is a code point; one that is none (a surrogate, past
// U+10FFFF), and the bytes of a last unit cut short, are invalid byte by byte.
void decodeUtf32(std::string_view bytes, bool bigEndian, std::u32string& out,
                 std::size_t& invalid) {
    std::size_t pos = 0;
    for (; pos + kUtf32Unit <= bytes.size(); pos += kUtf32Unit) {
        const char32_t unit = utf32UnitAt(bytes, pos, bigEndian);
        if (isCodePoint(unit)) {
            out.push_back(unit);
        } else {
            out.append(kUtf32Unit, kReplacement);
            invalid += kUtf32Unit;
        }
    }
    out.append(bytes.size() - pos, kReplacement);
    invalid += bytes.size() - pos;
}

void decodeEightBit(std::string_view bytes, TextEncoding encoding, DecodedText& decoded) {
    std::array<char, 256> toCp1251Byte{};
    std::array<bool, 256> defined{};
    std::array<char32_t, 256> other{};  // what a '?' of the result stands for, or 0
    const auto& table = byteTable(encoding);
    for (int b = 0; b < 256; ++b) {
        defined[b] = table[b] != kUndefined;
        const int byte = defined[b] ? cp1251ByteOf(table[b]) : -1;
        toCp1251Byte[b] = byte < 0 ? kSeparator : static_cast<char>(byte);
        other[b] = !defined[b] ? kReplacement : byte < 0 ? table[b] : 0;
    }
    std::string& out = decoded.cp1251;
    out.assign(bytes.size(), kSeparator);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = toCp1251Byte[b];
        decoded.invalidBytes += defined[b] ? 0 : 1;
        if (other[b] != 0) {
            decoded.otherCharacters.push_back({i, other[b]});
        }
    }
}

// The forced encoding as the file uses it, or the detected one when none is forced.
SourceEncoding encodingOf(std::string_view bytes, std::optional<TextEncoding> forced) {
    if (!forced) {
        return detectEncoding(bytes);
    }
    // A forced UTF-16 follows the file's byte-order mark when it has one.
    if (codeUnitSize(*forced) == 2) {
        if (bytes.starts_with(kUtf16LeMark)) {
            return {TextEncoding::Utf16Le, true};
        }
        if (bytes.starts_with(kUtf16BeMark)) {
            return {TextEncoding::Utf16Be, true};
        }
    }
    const auto mark = byteOrderMarkOf(*forced);
    return {*forced, !mark.empty() && bytes.starts_with(mark)};
}

DecodedText decodeAs(std::string_view bytes, SourceEncoding source) {
    DecodedText result;
    result.encoding = source;
    const auto encoding = source.encoding;
    if (source.byteOrderMark) {
        bytes.remove_prefix(byteOrderMarkOf(encoding).size());
    }
    if (encoding == TextEncoding::Windows1251) {
        result.cp1251 = std::string(bytes);
    } else if (isEightBit(encoding)) {
        decodeEightBit(bytes, encoding, result);
    } else if (Utf8Tally tally;
               encoding == TextEncoding::Utf8 &&
               decodeUtf8Directly(bytes, result, tally, false) == Direct::Decoded) {
        result.invalidBytes = tally.invalid;
    } else {
        std::u32string text;
        text.reserve(bytes.size());
        if (encoding == TextEncoding::Utf8) {
            decodeUtf8(bytes, text, result.invalidBytes);
        } else if (codeUnitSize(encoding) == 2) {
            decodeUtf16(bytes, isBigEndian(encoding), text, result.invalidBytes);
        } else {
            decodeUtf32(bytes, isBigEndian(encoding), text, result.invalidBytes);
        }
        result.otherCharacters.clear();  // a direct attempt may have begun them
        result.cp1251 = toCp1251(text, result.otherCharacters);
    }
    return result;
}

// A text without a byte-order mark whose start looks like UTF-8 is decoded while
// it is detected, in one pass instead of two; nullopt when it turns out otherwise,
// and it is then detected and decoded as any other text.
std::optional<DecodedText> decodeLikelyUtf8(std::string_view bytes) {
    constexpr std::size_t kStart = 64 << 10;
    if (encodingOfMark(bytes) || !looksLikeUtf8(tallyUtf8(bytes.substr(0, kStart)))) {
        return std::nullopt;
    }
    DecodedText result;
    Utf8Tally tally;
    if (decodeUtf8Directly(bytes, result, tally, true) != Direct::Decoded ||
        !looksLikeUtf8(tally)) {
        return std::nullopt;
    }
    result.encoding = {TextEncoding::Utf8, false};
    result.invalidBytes = tally.invalid;
    return result;
}

}  // namespace

DecodedText decodeText(std::string_view bytes, std::optional<TextEncoding> forced) {
    if (!forced) {
        if (auto decoded = decodeLikelyUtf8(bytes)) {
            return std::move(*decoded);
        }
    }
    return decodeAs(bytes, encodingOf(bytes, forced));
}

DecodedText decodeText(std::string&& bytes, std::optional<TextEncoding> forced) {
    if (!forced) {
        if (auto decoded = decodeLikelyUtf8(bytes)) {
            return std::move(*decoded);
        }
    }
    const auto encoding = encodingOf(bytes, forced);
    if (encoding.encoding != TextEncoding::Windows1251) {
        return decodeAs(bytes, encoding);
    }
    DecodedText result;
    result.encoding = encoding;
    result.cp1251 = std::move(bytes);
    return result;
}

}  // namespace undertext
