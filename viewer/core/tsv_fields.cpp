#include "viewer/core/tsv_fields.h"

#include <charconv>
#include <cstdint>

namespace undertext {

std::size_t forEachLine(
    std::string_view text,
    const std::function<bool(std::string_view line, std::size_t number)>& visit) {
    std::size_t number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!visit(line, ++number)) {
            return number;
        }
    }
    return 0;
}

std::vector<std::string_view> tabFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == line.npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

std::optional<NumberCell> numberCell(std::string_view text, bool dashAllowed) {
    if (dashAllowed && text == "-") {
        return NumberCell{std::string(text), std::nullopt};
    }
    double value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return NumberCell{std::string(text), value};
}

bool isWholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace undertext
