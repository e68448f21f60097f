#include "echoscan/core/fragment_lengths.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace undertext::echoscan {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<long long> parseFragmentLength(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size() || magnitude > kLengthLimit) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

Result<FragmentLengths> checkFragmentLengths(std::string_view shortestText,
                                             std::string_view longestText) {
    const auto shortest = parseFragmentLength(shortestText);
    const auto longest = parseFragmentLength(longestText);
    if (!shortest || !longest) {
        return Result<FragmentLengths>::failure(kLengthNotNumberMessage);
    }
    if (*longest < *shortest) {
        return Result<FragmentLengths>::failure(kLengthOrderMessage);
    }
    if (*longest < 1 || *shortest < 1) {
        return Result<FragmentLengths>::failure(kNonPositiveLengthMessage);
    }
    return Result<FragmentLengths>::success(
        {static_cast<int>(*shortest), static_cast<int>(*longest)});
}

}  // namespace undertext::echoscan
