#include "common/core/text/text_encoding.h"

#include <cstring>
#include <unordered_map>

#include "common/core/text/codepage.h"
#include "common/core/text/encoding_tables.h"

namespace undertext {

using namespace encoding_tables;

TextEncoder::TextEncoder(SourceEncoding target) {
    const auto encoding = target.encoding;
    passesThrough_ = encoding == TextEncoding::Windows1251;
    if (passesThrough_) {
        return;
    }
    asciiKept_ = codeUnitSize(encoding) == 1;
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
        } else if (const auto unit = codeUnitSize(encoding); unit > 1) {
            // Every Windows-1251 character lies in the Basic Multilingual Plane: its
            // code unit is two bytes of value, the rest zero.
            bytes.assign(unit, '\0');
            const char high = static_cast<char>(cp >> 8);
            const char low = static_cast<char>(cp & 0xFF);
            if (isBigEndian(encoding)) {
                bytes[unit - 2] = high;
                bytes[unit - 1] = low;
            } else {
                bytes[0] = low;
                bytes[1] = high;
            }
        } else {
            const auto found = eightBit.find(cp);
            bytes.push_back(found == eightBit.end() ? kSeparator : found->second);
        }
        std::uint32_t pattern = 0;
        std::memcpy(&pattern, bytes.data(), bytes.size());
        table_[b] = static_cast<std::uint64_t>(bytes.size()) << 32 | pattern;
    }
    if (target.byteOrderMark) {
        preamble_ = std::string(byteOrderMarkOf(encoding));
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

bool TextEncoder::makesFile(std::string_view cp1251, std::string_view file) const {
    if (!file.starts_with(preamble_)) {
        return false;
    }
    file.remove_prefix(preamble_.size());
    if (passesThrough_) {
        return cp1251 == file;
    }
    // Encoded a piece at a time into a buffer that stays in the cache.
    constexpr std::size_t kPiece = 4096;
    std::array<char, 4 * kPiece + 1> encoded{};
    for (std::size_t pos = 0; pos < cp1251.size(); pos += kPiece) {
        const auto end = encodeInto(cp1251.substr(pos, kPiece), encoded.data());
        const auto size = static_cast<std::size_t>(end - encoded.data());
        if (!file.starts_with(std::string_view(encoded.data(), size))) {
            return false;
        }
        file.remove_prefix(size);
    }
    return file.empty();
}

}  // namespace undertext
