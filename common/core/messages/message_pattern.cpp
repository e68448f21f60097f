#include "common/core/messages/message_pattern.h"

#include <algorithm>

namespace undertext {
namespace {

// The placeholder number at pattern[at] ("%1".."%9"), or 0 when there is none.
int placeholderAt(std::string_view pattern, std::size_t at) {
    if (at + 1 < pattern.size() && pattern[at] == '%' && pattern[at + 1] >= '1' &&
        pattern[at + 1] <= '9') {
        return pattern[at + 1] - '0';
    }
    return 0;
}

// A pattern cut into literal pieces and the placeholders between them:
// literals.size() == placeholders.size() + 1.
struct Pieces {
    std::vector<std::string> literals{std::string()};
    std::vector<int> placeholders;
};

Pieces cut(std::string_view pattern) {
    Pieces pieces;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (const int number = placeholderAt(pattern, at)) {
            pieces.placeholders.push_back(number);
            pieces.literals.emplace_back();
            ++at;
        } else {
            pieces.literals.back() += pattern[at];
        }
    }
    return pieces;
}

// Matches the pieces from literal `piece` on against message[from...]; the values
// found go to values (by placeholder number). Shortest values first.
bool matchFrom(const Pieces& pieces, std::size_t piece, std::string_view message, std::size_t from,
               std::vector<std::string>& values) {
    const std::string& literal = pieces.literals[piece];
    if (message.compare(from, literal.size(), literal) != 0) {
        return false;
    }
    from += literal.size();
    if (piece == pieces.placeholders.size()) {
        return from == message.size();
    }
    const std::size_t slot = static_cast<std::size_t>(pieces.placeholders[piece] - 1);
    for (std::size_t end = from; end <= message.size(); ++end) {
        if (matchFrom(pieces, piece + 1, message, end, values)) {
            values[slot] = std::string(message.substr(from, end - from));
            return true;
        }
    }
    return false;
}

}  // namespace

std::string fillIn(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const int number = placeholderAt(pattern, at);
        if (number > 0 && static_cast<std::size_t>(number) <= values.size()) {
            text += values[static_cast<std::size_t>(number - 1)];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::optional<std::vector<std::string>> matchPattern(std::string_view pattern,
                                                     std::string_view message) {
    const Pieces pieces = cut(pattern);
    const int highest = pieces.placeholders.empty() ? 0
                                                    : *std::max_element(pieces.placeholders.begin(),
                                                                        pieces.placeholders.end());
    std::vector<std::string> values(static_cast<std::size_t>(highest));
    if (!matchFrom(pieces, 0, message, 0, values)) {
        return std::nullopt;
    }
    return values;
}

}  // namespace undertext
