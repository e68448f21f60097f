#include "common/core/text/utf8_scan.h"

#include <bit>

#include "common/core/text/codepage.h"

namespace undertext::utf8_scan {
namespace {

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

}  // namespace

TwoByteTable::TwoByteTable() {
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        const auto codePoint = static_cast<char32_t>(((i / 64 + 0xC2) & 0x1F) << 6 | (i % 64));
        bytes_[i] = static_cast<std::int16_t>(cp1251ByteOf(codePoint));
    }
}

const TwoByteTable& twoByteTable() {
    static const TwoByteTable table;
    return table;
}

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

}  // namespace undertext::utf8_scan
