#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/files/encoded_size.h"
#include "embed/core/prepared_text.h"

namespace undertext::embed {

// One distinct embedded word with its number of occurrences and its length.
struct EmbeddedWord {
    std::string word;
    std::int64_t count = 0;
    int length = 0;

    bool operator==(const EmbeddedWord&) const = default;
};

// The occurrences of the dictionary words in a prepared text's letter stream, at
// every start (overlapping ones and ones that run across slots included), less
// those whose word is the whole text word of the slot holding its first letter.
// A word listed twice in the dictionary occurs twice at each place.
//
// They are kept compactly, never as strings: a suffix array of the letters gives
// each distinct dictionary word the range of suffixes it begins; the found words
// form a forest by the prefix relation, and each position keeps only the longest
// found word that starts there, from which the others are reached by parent links.
// Memory grows with the text and the dictionary, not with the occurrences.
//
// The text and the dictionary must outlive the object. Reading is thread-safe.
class EmbeddedSearch {
  public:
    // order: the dictionary's, when the caller made it already (a run over many
    // texts shares it); null: the search makes its own.
    EmbeddedSearch(const PreparedText& text, const DicWords& dicWords,
                   const DictionaryOrder* order = nullptr);

    // The number of entries of Occurrences: every counted occurrence once per
    // dictionary entry that produced it.
    std::uint64_t occurrenceCount() const { return occurrenceCount_; }
    // The bytes the occurrences take in the text-order report once encoded: each
    // entry's word and a comma.
    std::uint64_t occurrenceBytes(const EncodedSize& encoded) const;

    // The texts of the marks at positions, kept for one report's production.
    class MarkTexts {
        friend class EmbeddedSearch;
        struct Kept {
            std::size_t begin = 0;
            std::size_t length = 0;  // 0: not made yet
        };
        std::vector<Kept> byWord_;  // where each found word's text lies in kept_
        std::string kept_;          // the texts made so far, one after the other
        std::string other_;
        std::vector<std::uint32_t> indices_;
    };
    // The occurrences counted at position (1-based) as the text-order report lists
    // them: each one's word and a comma, in dictionary order (PositionMarks). slot
    // must be the slot that holds the position. The text of a word and its
    // prefixes is made once and kept in texts; valid until the next call with texts.
    std::string_view markTextAt(std::uint32_t position, std::uint32_t slot, MarkTexts& texts) const;

    // EmbeddedWords with their counts and lengths, in the order of first
    // discovery: by the first dictionary entry that produced each word.
    std::vector<EmbeddedWord> embeddedWords() const;

  private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    // A distinct dictionary word found somewhere in the letters.
    struct FoundWord {
        std::uint32_t lo = 0;  // its suffix range [lo, hi)
        std::uint32_t hi = 0;
        std::uint32_t parent = kNone;  // the longest found word that is its proper prefix
        std::uint32_t length = 0;
        std::uint32_t firstEntry = 0;  // its dictionary indices: entries_[firstEntry, +entryCount)
        std::uint32_t entryCount = 0;
        std::uint64_t counted = 0;  // positions where it counts
    };

    // The dictionary indices of a found word and its prefixes but leftOut (kNone:
    // none), in dictionary order.
    void marksAt(std::uint32_t longest, std::uint32_t leftOut,
                 std::vector<std::uint32_t>& indices) const;
    // Each index's word and a comma, appended to text.
    void writeMarks(const std::vector<std::uint32_t>& indices, std::string& text) const;
    void findWords(const std::vector<std::int32_t>& suffixes, const DictionaryOrder& order);
    void markLongestWords(const std::vector<std::int32_t>& suffixes);
    void findSlotWords();
    void countOccurrences();
    bool startsAt(std::uint32_t word, std::uint32_t position0) const;

    const PreparedText& text_;
    const DicWords& dicWords_;
    std::vector<FoundWord> found_;          // in byte order of the words
    std::vector<std::uint32_t> entries_;    // dictionary indices, grouped by found word
    std::vector<std::uint32_t> longestAt_;  // per position (0-based): longest found word
    std::vector<std::uint32_t> slotWord_;   // per slot: the found word equal to its text
    std::uint64_t occurrenceCount_ = 0;
};

}  // namespace undertext::embed
