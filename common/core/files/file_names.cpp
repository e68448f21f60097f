#include "common/core/files/file_names.h"

#include <algorithm>
#include <system_error>

namespace undertext {
namespace {

// Appends the character at name[pos], lower-cased when it is a Latin or Cyrillic
// capital, and moves pos past it.
void appendFolded(std::string& out, std::string_view name, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(name[pos]);
    if (b0 >= 'A' && b0 <= 'Z') {
        out.push_back(static_cast<char>(b0 + 32));
        ++pos;
        return;
    }
    if ((b0 == 0xD0 || b0 == 0xD1) && pos + 1 < name.size()) {
        const auto b1 = static_cast<unsigned char>(name[pos + 1]);
        const char32_t cp = ((b0 & 0x1F) << 6) | (b1 & 0x3F);
        char32_t lowered = cp;
        if (cp >= 0x0410 && cp <= 0x042F) {
            lowered = cp + 0x20;
        } else if (cp >= 0x0400 && cp <= 0x040F) {
            lowered = cp + 0x50;
        }
        if ((b1 & 0xC0) == 0x80) {
            out.push_back(static_cast<char>(0xC0 | (lowered >> 6)));
            out.push_back(static_cast<char>(0x80 | (lowered & 0x3F)));
            pos += 2;
            return;
        }
    }
    out.push_back(static_cast<char>(b0));
    ++pos;
}

bool globMatch(std::string_view name, std::string_view pattern) {
    // Iterative match with back-tracking to the last '*'.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::vector<std::string> entryNames(const std::filesystem::path& folder, bool regularOnly) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return names;
    }
    for (const auto& entry : it) {
        std::error_code typeError;
        if (regularOnly && !entry.is_regular_file(typeError)) {
            continue;
        }
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto fa = foldNameCase(a);
        const auto fb = foldNameCase(b);
        return fa != fb ? fa < fb : a < b;
    });
    return names;
}

}  // namespace

std::string foldNameCase(std::string_view utf8Name) {
    std::string out;
    out.reserve(utf8Name.size());
    for (std::size_t pos = 0; pos < utf8Name.size();) {
        appendFolded(out, utf8Name, pos);
    }
    return out;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return foldNameCase(a) == foldNameCase(b);
}

bool matchesPattern(std::string_view utf8Name, std::string_view pattern) {
    // Matched on folded bytes: '?' takes one byte, which is one character for the
    // ASCII names and patterns the programs use.
    return globMatch(foldNameCase(utf8Name), foldNameCase(pattern));
}

std::vector<std::string> listMatchingFiles(const std::filesystem::path& folder,
                                           std::string_view pattern) {
    auto names = entryNames(folder, true);
    std::erase_if(names, [&](const std::string& name) { return !matchesPattern(name, pattern); });
    return names;
}

std::optional<std::filesystem::path> findNameIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name) {
    std::error_code error;
    const auto exact = folder / std::filesystem::path(std::string(name));
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    for (const auto& candidate : entryNames(folder, false)) {
        if (sameNameIgnoringCase(candidate, name)) {
            return folder / candidate;
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> resolvePathIgnoringCase(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return path;
    }
    std::filesystem::path resolved = path.root_path();
    for (const auto& component : path.relative_path()) {
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            resolved /= component;
            continue;
        }
        const auto found =
            findNameIgnoringCase(resolved.empty() ? "." : resolved, component.string());
        if (!found) {
            return std::nullopt;
        }
        resolved = resolved.empty() ? found->filename() : resolved / found->filename();
    }
    return resolved;
}

}  // namespace undertext
