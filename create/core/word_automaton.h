#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::create {

// The bytes the phrase words are made of, numbered from 1; every other byte is 0.
// Trie and automaton nodes hold a child per number rather than per byte, so their
// tables stay small enough for the cache while the whole dictionary is walked.
class Alphabet {
  public:
    explicit Alphabet(const std::vector<std::string>& words);

    std::size_t size() const { return size_; }
    // log2 of the row width of a table with a child per letter: rows of a power of
    // two are found with a shift.
    int rowShift() const { return std::bit_width(size_ - 1); }
    std::size_t operator()(char c) const { return numberOf_[static_cast<unsigned char>(c)]; }

  private:
    std::array<std::uint16_t, 256> numberOf_{};
    std::size_t size_ = 1;
};

// A trie of byte strings over an alphabet that holds all their bytes; node 0 is
// the root. The same bytes added twice give the same pattern number. The
// alphabet must outlive the trie.
class ByteTrie {
  public:
    static constexpr std::int32_t kNone = -1;

    explicit ByteTrie(const Alphabet& alphabet)
        : alphabet_(alphabet), rowShift_(alphabet.rowShift()) {
        addNode();
    }

    template <typename Bytes>
    std::int32_t add(const Bytes& bytes) {
        std::size_t node = 0;
        for (const char c : bytes) {
            const auto letter = alphabet_(c);
            if (childOf(node, letter) == kNone) {
                const auto added = addNode();  // may move the table
                childOf(node, letter) = added;
            }
            node = static_cast<std::size_t>(childOf(node, letter));
        }
        auto& pattern = patternAt_[node];
        if (pattern == kNone) {
            pattern = patternCount_++;
        }
        return pattern;
    }

    // Calls found(pattern) for each pattern that begins the bytes, shortest first.
    template <typename Bytes, typename Found>
    void findPrefixes(const Bytes& bytes, Found found) const {
        std::size_t node = 0;
        for (const char c : bytes) {
            const auto child = childOf(node, alphabet_(c));
            if (child == kNone) {
                return;
            }
            node = static_cast<std::size_t>(child);
            if (patternAt_[node] != kNone) {
                found(patternAt_[node]);
            }
        }
    }

    std::int32_t patternCount() const { return patternCount_; }

  protected:
    std::int32_t addNode() {
        next_.resize(next_.size() + (std::size_t{1} << rowShift_), kNone);
        patternAt_.push_back(kNone);
        return static_cast<std::int32_t>(patternAt_.size() - 1);
    }
    std::int32_t& childOf(std::size_t node, std::size_t letter) {
        return next_[(node << rowShift_) + letter];
    }
    std::int32_t childOf(std::size_t node, std::size_t letter) const {
        return next_[(node << rowShift_) + letter];
    }
    std::size_t nodeCount() const { return patternAt_.size(); }

    const Alphabet& alphabet_;
    int rowShift_;
    std::vector<std::int32_t> next_;  // the children of node k: the row from k << rowShift_
    std::vector<std::int32_t> patternAt_;
    std::int32_t patternCount_ = 0;
};

// The phrase words as an Aho-Corasick automaton: one walk over a dictionary word
// finds every phrase word it contains. The alphabet must hold every byte of the
// words and outlive the finder.
class WordFinder : private ByteTrie {
  public:
    WordFinder(const std::vector<std::string>& words, const Alphabet& alphabet);

    // The pattern of words[word]: equal words share one.
    std::int32_t patternOf(std::size_t word) const { return wordPattern_[word]; }
    std::int32_t patternCount() const { return ByteTrie::patternCount(); }

    // Every pattern the text contains, once or more, until the next call. The walk
    // resumes where the text stops sharing its first bytes with the text before
    // (the words of a sorted module share long stems); the state and what was found
    // after each byte of that text are kept for it, so the text of the last call
    // must still be alive.
    const std::vector<std::int32_t>& findContained(std::string_view text);

  private:
    // Breadth first: each missing child becomes the child of the longest proper
    // suffix's state, and each state outputs what its suffix state outputs too.
    // Bytes outside the alphabet (letter 0) lead back to the root from anywhere.
    void complete();

    std::vector<std::int32_t> wordPattern_;
    std::string_view previous_;                               // the text of the last walk
    std::vector<std::size_t> stateAfter_{0}, foundAfter_{0};  // per byte of it, from 0
    std::vector<std::int32_t> found_;
    // The patterns state k outputs: outputs_[outputStart_[k] .. outputStart_[k + 1]).
    std::vector<std::uint32_t> outputStart_;
    std::vector<std::int32_t> outputs_;
};

}  // namespace undertext::create
