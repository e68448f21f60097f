#include "common/core/text/encoding_tables.h"

#include <iconv.h>

#include <unordered_map>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

// The name shown to users and, for the 8-bit encodings that iconv converts, its
// iconv name; in the order of TextEncoding.
struct EncodingNames {
    std::string_view shown;
    const char* iconv;
};
constexpr std::array<EncodingNames, 9> kNames = {{
    {"Windows-1251", nullptr},
    {"UTF-8", nullptr},
    {"UTF-16LE", nullptr},
    {"UTF-16BE", nullptr},
    {"KOI8-R", "KOI8-R"},
    {"CP866", "CP866"},
    {"ISO-8859-5", "ISO-8859-5"},
    {"UTF-32LE", nullptr},
    {"UTF-32BE", nullptr},
}};

const char* iconvName(TextEncoding encoding) {
    return kNames[static_cast<std::size_t>(encoding)].iconv;
}

using encoding_tables::ByteTable;
using encoding_tables::kUndefined;

// The table of one encoding, as iconv converts each byte.
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

// True when the code units after the UTF-32LE mark at the start of bytes are code
// points, as far as the first thousand: the mark is also that of a UTF-16LE text
// that starts with NUL, whose units read in pairs are almost never code points.
bool holdsUtf32LeUnits(std::string_view bytes) {
    using namespace encoding_tables;
    constexpr std::size_t kUnitsLooked = 1000;
    const auto units = bytes.substr(kUtf32Unit, kUtf32Unit * kUnitsLooked);
    for (std::size_t pos = 0; pos + kUtf32Unit <= units.size(); pos += kUtf32Unit) {
        if (!isCodePoint(utf32UnitAt(units, pos, false))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view encodingName(TextEncoding encoding) {
    return kNames[static_cast<std::size_t>(encoding)].shown;
}

std::string_view byteOrderMarkOf(TextEncoding encoding) {
    using namespace encoding_tables;
    switch (encoding) {
        case TextEncoding::Utf8:
            return kUtf8Mark;
        case TextEncoding::Utf16Le:
            return kUtf16LeMark;
        case TextEncoding::Utf16Be:
            return kUtf16BeMark;
        case TextEncoding::Utf32Le:
            return kUtf32LeMark;
        case TextEncoding::Utf32Be:
            return kUtf32BeMark;
        default:
            return {};
    }
}

std::string describeEncoding(SourceEncoding encoding) {
    std::string name(encodingName(encoding.encoding));
    return encoding.byteOrderMark ? name + " BOM" : name;
}

namespace encoding_tables {

std::optional<TextEncoding> encodingOfMark(std::string_view bytes) {
    for (const auto encoding : {TextEncoding::Utf8, TextEncoding::Utf32Le, TextEncoding::Utf32Be,
                                TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        const bool marked = bytes.starts_with(byteOrderMarkOf(encoding));
        if (marked && (encoding != TextEncoding::Utf32Le || holdsUtf32LeUnits(bytes))) {
            return encoding;
        }
    }
    return std::nullopt;
}

char32_t utf32UnitAt(std::string_view bytes, std::size_t pos, bool bigEndian) {
    char32_t unit = 0;
    for (std::size_t i = 0; i < kUtf32Unit; ++i) {
        unit = unit << 8 |
               static_cast<unsigned char>(bytes[pos + (bigEndian ? i : kUtf32Unit - 1 - i)]);
    }
    return unit;
}

bool isEightBit(TextEncoding encoding) {
    return iconvName(encoding) != nullptr;
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

}  // namespace encoding_tables
}  // namespace undertext
