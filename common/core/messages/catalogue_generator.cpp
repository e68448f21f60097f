// Build tool: writes the English of some contexts of a Qt Linguist file as C++
// initialisers, so that code without Qt speaks the language of the windows.
//   catalogue_generator TS OUTPUT CONTEXT...
// Each finished message of a CONTEXT becomes {"context", "source", "english"},
// one to a line. Exit status 1 when TS cannot be read or OUTPUT written.
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>

namespace {

// The text between <tag...> and </tag> from at on, the opening's attributes in
// attributes; at moves past it. False when there is none before limit.
bool element(const std::string& xml, const std::string& tag, std::size_t& at, std::size_t limit,
             std::string& text, std::string& attributes) {
    const std::size_t open = xml.find("<" + tag, at);
    if (open == std::string::npos || open >= limit) {
        return false;
    }
    const std::size_t openEnd = xml.find('>', open);
    attributes = xml.substr(open + tag.size() + 1, openEnd - open - tag.size() - 1);
    if (xml[openEnd - 1] == '/') {
        text.clear();
        at = openEnd + 1;
        return true;
    }
    const std::size_t close = xml.find("</" + tag + ">", openEnd);
    text = xml.substr(openEnd + 1, close - openEnd - 1);
    at = close + tag.size() + 3;
    return true;
}

// XML text as the characters it stands for (the entities and byte elements
// lupdate writes).
std::string unescaped(const std::string& text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 13, "<byte value=\"") == 0) {
            const std::size_t end = text.find("\"/>", at);
            plain += static_cast<char>(std::stoi(text.substr(at + 14, end - at - 14), nullptr, 16));
            at = end + 3;
            continue;
        }
        if (text[at] == '&') {
            const std::size_t end = text.find(';', at);
            const std::string name = text.substr(at + 1, end - at - 1);
            plain += name == "amp"    ? '&'
                     : name == "lt"   ? '<'
                     : name == "gt"   ? '>'
                     : name == "quot" ? '"'
                                      : '\'';
            at = end + 1;
            continue;
        }
        plain += text[at++];
    }
    return plain;
}

// A C++ string literal of text: quotes, backslashes and control bytes escaped.
std::string literal(const std::string& text) {
    static const char* const kHex = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            // Closed and reopened, so that no following hex digit joins the escape.
            quoted += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15] + "\" \"";
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: catalogue_generator TS OUTPUT CONTEXT...\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        std::cerr << "catalogue_generator: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::set<std::string> contexts(argv + 3, argv + argc);
    std::string lines;
    std::string block, attributes;
    for (std::size_t at = 0; element(xml, "context", at, xml.size(), block, attributes);) {
        std::size_t inner = 0;
        std::string name;
        element(block, "name", inner, block.size(), name, attributes);
        if (contexts.count(name) == 0) {
            continue;
        }
        for (std::string message;
             element(block, "message", inner, block.size(), message, attributes);) {
            std::size_t part = 0;
            std::string source, translation, kind;
            element(message, "source", part, message.size(), source, attributes);
            element(message, "translation", part, message.size(), translation, kind);
            if (kind.find("type=") != std::string::npos || translation.empty()) {
                continue;
            }
            lines += "{" + literal(name) + ", " + literal(unescaped(source)) + ", " +
                     literal(unescaped(translation)) + "},\n";
        }
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << lines;
    if (!out) {
        std::cerr << "catalogue_generator: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
