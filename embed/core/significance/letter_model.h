#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace undertext::embed {

// A Markov chain of order k (0, 1 or 2) over a letter stream, fitted on that same
// stream by counting: the start frequency of a k-letter string u is its count over
// the N - k + 1 places of the stream; the transition P(c | u) is the count of uc
// over the count of u at the places followed by a letter. For k = 0 both reduce to
// the letter frequencies. Letters are bytes; the tables grow as A^(k+1) for A
// distinct letters in the stream (at most 32 in a prepared Russian stream).
// Immutable once fitted; reading is thread-safe.
class LetterModel {
  public:
    // letters must hold at least k letters; order must be 0, 1 or 2.
    LetterModel(std::string_view letters, int order);

    int order() const { return order_; }

    // The probability of word at one place of the stream:
    // P(c1..ck) * prod over i > k of P(ci | c(i-k)..c(i-1)); for a word shorter
    // than k, the share of the k-strings that begin with it. A letter the stream
    // lacks, or a k-string or transition it never shows, gives 0.
    double wordProbability(std::string_view word) const;

    // The probability of the letters from `from` to the end of text, each given
    // the k letters before it: prod over from <= i < size of P(ti | t(i-k)..t(i-1)).
    // from is at least k.
    double continuationProbability(std::string_view text, std::size_t from) const;

  private:
    static constexpr std::uint32_t kAbsent = 0xFFFFFFFF;

    // The index of the letters text[begin..end) as a number in base A, or kAbsent
    // when one of them is not in the stream.
    std::uint32_t stringIndex(std::string_view text, std::size_t begin, std::size_t end) const;
    // The index of the k letters before position end of text.
    std::uint32_t contextIndex(std::string_view text, std::size_t end) const {
        return stringIndex(text, end - static_cast<std::size_t>(order_), end);
    }
    std::uint32_t letterIndex(char letter) const {
        return letterIndex_[static_cast<unsigned char>(letter)];
    }

    int order_ = 0;
    std::array<std::uint32_t, 256> letterIndex_{};  // byte -> 0..A-1, or kAbsent
    std::uint32_t alphabetSize_ = 0;
    std::vector<double> start_;       // per k-string: its start frequency
    std::vector<double> transition_;  // per k-string * A + letter: P(letter | k-string)
};

}  // namespace undertext::embed
