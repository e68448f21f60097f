#include "common/core/text/text_encoding.h"

#include <iconv.h>
#include <uchardet.h>
#include <uninorm.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

constexpr char kSeparator = '?';
// Stands for an undecodable byte until the text is mapped to Windows-1251.
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kUndefined = 0xFFFFFFFF;
// The detector decides on the start of a file: its statistics settle long before
// and it reads only about 2 MB a second.
constexpr std::size_t kDetectorSample = 16 << 10;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

using ByteTable = std::array<char32_t, 256>;

// The name shown to users and, for the 8-bit encodings that iconv converts, its
// iconv name; in the order of TextEncoding.
struct EncodingNames {
    std::string_view shown;
    const char* iconv;
};
constexpr std::array<EncodingNames, 7> kNames = {{
    {"Windows-1251", nullptr},
    {"UTF-8", nullptr},
    {"UTF-16LE", nullptr},
    {"UTF-16BE", nullptr},
    {"KOI8-R", "KOI8-R"},
    {"CP866", "CP866"},
    {"ISO-8859-5", "ISO-8859-5"},
}};

const char* iconvName(TextEncoding encoding) {
    return kNames[static_cast<std::size_t>(encoding)].iconv;
}

// The code point of every byte of an 8-bit encoding, kUndefined where the
// encoding assigns none, as iconv converts it.
ByteTable buildByteTable(TextEncoding encoding) {
    ByteTable table;
    table.fill(kUndefined);
    if (encoding == TextEncoding::Windows1251) {
        for (int b = 0; b < 256; ++b) {
            table[b] = cp1251CodePoint(static_cast<unsigned char>(b));
        }
        return table;
    }
    const iconv_t cd = iconv_open("UTF-32LE", iconvName(encoding));
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return table;
    }
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inPtr = &in;
        auto* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
            sizeof out - outLeft == 4) {
            table[b] =
                out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
        }
    }
    iconv_close(cd);
    return table;
}

const ByteTable& byteTable(TextEncoding encoding) {
    static const std::unordered_map<TextEncoding, ByteTable> tables = [] {
        std::unordered_map<TextEncoding, ByteTable> map;
        for (const auto encoding : {TextEncoding::Windows1251, TextEncoding::Koi8R,
                                    TextEncoding::Cp866, TextEncoding::Iso8859_5}) {
            map.emplace(encoding, buildByteTable(encoding));
        }
        return map;
    }();
    return tables.at(encoding);
}

bool isEightBit(TextEncoding encoding) {
    return iconvName(encoding) != nullptr;
}

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

bool isAscii(std::string_view bytes, std::size_t pos) {
    return pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80;
}

// The position of the first byte from pos on that is not ASCII (or the end),
// looking at eight bytes at a time.
std::size_t skipAscii(std::string_view bytes, std::size_t pos) {
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
    TwoByteTable() {
        for (std::size_t i = 0; i < bytes_.size(); ++i) {
            const auto codePoint = static_cast<char32_t>(((i / 64 + 0xC2) & 0x1F) << 6 | (i % 64));
            bytes_[i] = static_cast<std::int16_t>(cp1251ByteOf(codePoint));
        }
    }

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

const TwoByteTable& twoByteTable() {
    static const TwoByteTable table;
    return table;
}

struct Utf8Tally {
    std::size_t multibyte = 0;  // valid characters of two bytes or more
    std::size_t invalid = 0;    // bytes that start no valid character
};

// True once the rest of the text, from pos on, could no longer make it UTF-8.
bool cannotBeUtf8(const Utf8Tally& tally, std::string_view bytes, std::size_t pos) {
    return tally.invalid * 4 > tally.multibyte + (bytes.size() - pos) / 2;
}

// Counts eight bytes at a time while neither they nor the byte after them hold a
// continuation byte (0x80 to 0xBF): no character of two bytes or more can start
// among them, so each of them from 0x80 up is invalid. Windows-1251 Cyrillic is
// almost all such bytes. Returns where the counting stopped.
std::size_t countInvalidBlocks(std::string_view bytes, std::size_t pos, Utf8Tally& tally) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (pos + 9 <= bytes.size() && !cannotBeUtf8(tally, bytes, pos)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + pos, 8);
        const std::uint64_t high = word & kHighBits;
        // A continuation byte has its high bit set and the next one clear.
        if ((high & ~(word << 1)) != 0 ||
            (static_cast<unsigned char>(bytes[pos + 8]) & 0xC0) == 0x80) {
            break;
        }
        tally.invalid += static_cast<std::size_t>(std::popcount(high));
        pos += 8;
    }
    return pos;
}

// Stops early once the rest of the text could no longer make it UTF-8.
Utf8Tally tallyUtf8(std::string_view bytes) {
    const auto& twoBytes = twoByteTable();
    Utf8Tally tally;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (isAscii(bytes, pos)) {
            // A lone blank or sign between words is passed at once; a run is skipped.
            pos = isAscii(bytes, pos + 1) ? skipAscii(bytes, pos + 1) : pos + 1;
            continue;
        }
        if (twoBytes.at(bytes, pos) != TwoByteTable::kNotTwoBytes) {
            ++tally.multibyte;
            pos += 2;
            continue;
        }
        // A character of two bytes or more goes on with a continuation byte: without
        // one (as in Windows-1251 Cyrillic) the byte is invalid, with no need to decode.
        char32_t cp = 0;
        const bool continued =
            pos + 1 < bytes.size() && (static_cast<unsigned char>(bytes[pos + 1]) & 0xC0) == 0x80;
        const auto length = continued ? decodeUtf8Char(bytes, pos, cp) : 0;
        if (length == 0) {
            ++tally.invalid;
            pos = countInvalidBlocks(bytes, pos + 1, tally);
            if (cannotBeUtf8(tally, bytes, pos)) {
                break;
            }
        } else {
            ++tally.multibyte;
            pos += length;
        }
    }
    return tally;
}

// Text is taken as UTF-8 when stray invalid bytes are few beside its valid
// characters; Windows-1251 Cyrillic text is almost all invalid UTF-8.
bool looksLikeUtf8(const Utf8Tally& tally) {
    return tally.multibyte > 0 && tally.invalid * 4 <= tally.multibyte;
}

TextEncoding askDetector(std::string_view bytes) {
    std::unique_ptr<std::remove_pointer_t<uchardet_t>, decltype(&uchardet_delete)> detector(
        uchardet_new(), &uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(),
                                          std::min(bytes.size(), kDetectorSample)) != 0) {
        return TextEncoding::Windows1251;
    }
    uchardet_data_end(detector.get());
    const std::string_view answer = uchardet_get_charset(detector.get());
    if (answer == "KOI8-R") {
        return TextEncoding::Koi8R;
    }
    if (answer == "IBM866") {
        return TextEncoding::Cp866;
    }
    if (answer == "ISO-8859-5") {
        return TextEncoding::Iso8859_5;
    }
    return TextEncoding::Windows1251;
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

}  // namespace

std::string_view encodingName(TextEncoding encoding) {
    return kNames[static_cast<std::size_t>(encoding)].shown;
}

std::string describeEncoding(SourceEncoding encoding) {
    std::string name(encodingName(encoding.encoding));
    return encoding.byteOrderMark ? name + " BOM" : name;
}

SourceEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return {TextEncoding::Utf8, true};
    }
    if (bytes.starts_with(kUtf16LeMark)) {
        return {TextEncoding::Utf16Le, true};
    }
    if (bytes.starts_with(kUtf16BeMark)) {
        return {TextEncoding::Utf16Be, true};
    }
    const auto tally = tallyUtf8(bytes);
    if (looksLikeUtf8(tally)) {
        return {TextEncoding::Utf8, false};
    }
    if (tally.invalid == 0) {  // pure ASCII: the same bytes in Windows-1251
        return {TextEncoding::Windows1251, false};
    }
    return {askDetector(bytes), false};
}

namespace {

// The forced encoding as the file uses it, or the detected one when none is forced.
SourceEncoding encodingOf(std::string_view bytes, std::optional<TextEncoding> forced) {
    if (!forced) {
        return detectEncoding(bytes);
    }
    // A forced UTF-16 follows the file's byte-order mark when it has one.
    if (*forced == TextEncoding::Utf16Le || *forced == TextEncoding::Utf16Be) {
        if (bytes.starts_with(kUtf16LeMark)) {
            return {TextEncoding::Utf16Le, true};
        }
        if (bytes.starts_with(kUtf16BeMark)) {
            return {TextEncoding::Utf16Be, true};
        }
    }
    return {*forced, *forced == TextEncoding::Utf8 && bytes.starts_with(kUtf8Mark)};
}

DecodedText decodeAs(std::string_view bytes, SourceEncoding source) {
    DecodedText result;
    result.encoding = source;
    const auto encoding = source.encoding;
    if (source.byteOrderMark) {
        bytes.remove_prefix(encoding == TextEncoding::Utf8 ? kUtf8Mark.size()
                                                           : kUtf16LeMark.size());
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
        } else {
            decodeUtf16(bytes, encoding == TextEncoding::Utf16Be, text, result.invalidBytes);
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
    if (bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) ||
        bytes.starts_with(kUtf16BeMark) || !looksLikeUtf8(tallyUtf8(bytes.substr(0, kStart)))) {
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

TextEncoder::TextEncoder(SourceEncoding target) {
    const auto encoding = target.encoding;
    passesThrough_ = encoding == TextEncoding::Windows1251;
    if (passesThrough_) {
        return;
    }
    asciiKept_ = encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be;
    std::unordered_map<char32_t, char> eightBit;
    if (isEightBit(encoding)) {
        const auto& table = byteTable(encoding);
        for (int b = 255; b >= 0; --b) {
            if (table[b] != kUndefined) {
                eightBit[table[b]] = static_cast<char>(b);
            }
        }
    }
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = cp1251CodePoint(static_cast<unsigned char>(b));
        std::string bytes;
        if (encoding == TextEncoding::Utf8) {
            appendUtf8(bytes, cp);
        } else if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
            // Every Windows-1251 character lies in the Basic Multilingual Plane.
            const char high = static_cast<char>(cp >> 8);
            const char low = static_cast<char>(cp & 0xFF);
            bytes =
                encoding == TextEncoding::Utf16Le ? std::string{low, high} : std::string{high, low};
        } else {
            const auto found = eightBit.find(cp);
            bytes.push_back(found == eightBit.end() ? kSeparator : found->second);
        }
        std::uint32_t pattern = 0;
        std::memcpy(&pattern, bytes.data(), bytes.size());
        table_[b] = static_cast<std::uint64_t>(bytes.size()) << 32 | pattern;
    }
    if (target.byteOrderMark) {
        const auto mark = encoding == TextEncoding::Utf8      ? kUtf8Mark
                          : encoding == TextEncoding::Utf16Le ? kUtf16LeMark
                          : encoding == TextEncoding::Utf16Be ? kUtf16BeMark
                                                              : std::string_view();
        preamble_ = std::string(mark);
    }
}

char* TextEncoder::encodeInto(std::string_view cp1251, char* out) const {
    if (passesThrough_) {
        std::memcpy(out, cp1251.data(), cp1251.size());
        return out + cp1251.size();
    }
    // Each byte's bytes are stored as four at once, the slack cut by the next.
    const auto put = [&](char c) {
        const auto encoded = table_[static_cast<unsigned char>(c)];
        const auto pattern = static_cast<std::uint32_t>(encoded);
        std::memcpy(out, &pattern, 4);
        out += encoded >> 32;
    };
    // Eight bytes at a time: a run of ASCII stays as it is where the target keeps
    // ASCII (reports are padded with blanks).
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t pos = 0;
    for (; pos + 8 <= cp1251.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, cp1251.data() + pos, 8);
        if (asciiKept_ && (word & kHighBits) == 0) {
            std::memcpy(out, &word, 8);
            out += 8;
            continue;
        }
        for (std::size_t i = pos; i < pos + 8; ++i) {
            put(cp1251[i]);
        }
    }
    for (; pos < cp1251.size(); ++pos) {
        put(cp1251[pos]);
    }
    return out;
}

void TextEncoder::append(std::string& out, std::string_view cp1251) const {
    const auto start = out.size();
    out.resize(start + maxEncodedSize(cp1251.size()));
    char* end = encodeInto(cp1251, out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string TextEncoder::encode(std::string_view cp1251) const {
    std::string out;
    out.reserve(cp1251.size() * 2);
    append(out, cp1251);
    return out;
}

std::string TextEncoder::encodeFile(std::string_view cp1251) const {
    std::string out(preamble_);
    out.reserve(cp1251.size() * 2 + out.size());
    append(out, cp1251);
    return out;
}

}  // namespace undertext
