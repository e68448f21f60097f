#include "cli/terminal_text.h"

namespace undertext::cli {
namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kCaretOffset = 0x40;
// C1 controls are U+0080 to U+009F: in UTF-8 the byte 0xC2 and a byte below 0xA0.
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kC1Last = 0x9F;

bool isC0OrDelete(unsigned char b) {
    return b < 0x20 || b == kDelete;
}

bool isC1At(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == kC1Lead && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) <= kC1Last;
}

bool needsCaret(std::string_view text, std::size_t i) {
    return isC0OrDelete(static_cast<unsigned char>(text[i])) || isC1At(text, i);
}

void appendCaret(std::string& out, unsigned char control) {
    out += '^';
    out += static_cast<char>(control ^ kCaretOffset);
}

}  // namespace

void appendVisible(std::string& out, std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        // The plain stretch up to the next control goes in one piece.
        std::size_t plain = i;
        while (plain < utf8.size() && !needsCaret(utf8, plain)) {
            ++plain;
        }
        out.append(utf8.substr(i, plain - i));
        if (plain == utf8.size()) {
            return;
        }
        const auto b = static_cast<unsigned char>(utf8[plain]);
        if (isC0OrDelete(b)) {
            appendCaret(out, b);
            i = plain + 1;
        } else {
            out += "M-";
            appendCaret(out, static_cast<unsigned char>(utf8[plain + 1]) - 0x80);
            i = plain + 2;
        }
    }
}

std::string visible(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendVisible(out, utf8);
    return out;
}

std::string visibleLine(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (const auto field : fields) {
        if (!first) {
            line += '\t';
        }
        first = false;
        appendVisible(line, field);
    }
    line += '\n';
    return line;
}

}  // namespace undertext::cli
