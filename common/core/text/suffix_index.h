#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace undertext {

// The suffix array of a text (libdivsufsort), for finding every start of a pattern
// in O(m log n + min(k log k, n / 64 + k)) for a pattern of m bytes that stands k
// times. Building
// takes O(n log n) time and 4 bytes per text byte. The text is not copied: it must
// outlive the index and stay unchanged. Read-only after construction, so it may be
// searched from several threads.
class SuffixIndex {
  public:
    // The longest text indexed: the suffix array holds 32-bit signed positions.
    static constexpr std::size_t kMaxTextLength = std::numeric_limits<std::int32_t>::max();

    // Requires text.size() <= kMaxTextLength.
    explicit SuffixIndex(std::string_view text);

    // Every 0-based start at which pattern stands in the text, overlapping ones
    // included, in ascending order; none for an empty pattern.
    std::vector<std::uint32_t> startsOf(std::string_view pattern) const;

  private:
    std::string_view text_;
    std::vector<std::int32_t> suffixes_;
};

}  // namespace undertext
