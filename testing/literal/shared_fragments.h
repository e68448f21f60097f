#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::testing {

// A text that holds a shared fragment: its starts there and the first of them.
struct LiteralShare {
    std::size_t text = 0;
    long count = 0;
    long firstStart = 0;
    friend bool operator==(const LiteralShare&, const LiteralShare&) = default;
};

// A shared fragment with its first listed occurrence (text, start), its starts in
// all texts and the texts that hold it, in text order.
struct LiteralSharedFragment {
    std::string text;
    long total = 0;
    std::size_t firstText = 0;
    long firstStart = 0;
    std::vector<LiteralShare> shares;
    friend bool operator==(const LiteralSharedFragment&, const LiteralSharedFragment&) = default;
};

// The fragments shared by two texts or more, found word for word as they are
// defined: every fragment of every length at every start of every text's
// searched part (its FragmentText less the last two bytes), each occurrence
// tested against every occurrence of every longer shared fragment in its text.
// Ordered by length, then by first listed occurrence. For small texts only.
std::vector<LiteralSharedFragment> literalSharedFragments(const std::vector<std::string>& texts,
                                                          int minLength, int maxLength,
                                                          bool allLengths);

// The fast search's result in the same form.
std::vector<LiteralSharedFragment> fastSharedFragments(const std::vector<std::string>& texts,
                                                       int minLength, int maxLength,
                                                       bool allLengths);

}  // namespace undertext::testing
