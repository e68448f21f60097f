#include "codepage.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace undertext {
namespace {

// Unicode code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t codePointOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kUpperHalf[byte - 0x80];
}

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> map;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            map.emplace(codePointOf(static_cast<unsigned char>(byte)),
                        static_cast<unsigned char>(byte));
        }
        return map;
    }();
    return table;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 character at text[pos]; returns the number of bytes taken
// (at least 1) and sets valid to false for a malformed sequence.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (lead < 0x80) {
        cp = lead;
        valid = true;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        valid = false;
        return 1;
    }
    if (pos + length > text.size()) {
        valid = false;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            valid = false;
            return 1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    valid = true;
    return length;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto& table = reverseTable();
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        bool valid = false;
        pos += decodeUtf8(utf8, pos, cp, valid);
        if (valid && cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        const auto found = valid ? table.find(cp) : table.end();
        out.push_back(found == table.end() ? '?' : static_cast<char>(found->second));
    }
    return out;
}

bool fitsCp1251(std::string_view utf8) {
    const auto& table = reverseTable();
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        bool valid = false;
        pos += decodeUtf8(utf8, pos, cp, valid);
        if (!valid || (cp >= 0x80 && !table.contains(cp))) {
            return false;
        }
    }
    return true;
}

}  // namespace undertext
