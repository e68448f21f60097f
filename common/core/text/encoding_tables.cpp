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

}  // namespace

std::string_view encodingName(TextEncoding encoding) {
    return kNames[static_cast<std::size_t>(encoding)].shown;
}

std::string describeEncoding(SourceEncoding encoding) {
    std::string name(encodingName(encoding.encoding));
    return encoding.byteOrderMark ? name + " BOM" : name;
}

namespace encoding_tables {

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
