#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"
#include "common/core/text/source_span.h"
#include "common/core/text/suffix_index.h"
#include "embed/core/prepared_text.h"

namespace undertext::embed {

// Where a word occurs in a text, as the embedded-word search counts it: at every
// start in the joined letters (overlapping occurrences and ones that run across
// words included), less those where the word is the whole text word of the slot
// that holds its first letter. Each occurrence is the span of the source from its
// first letter to its last, the separators between them included.
//
// Works on Windows-1251 source (one byte per character), so span positions are
// character positions. The letters, the map back to the source and the suffix
// array take about 9 bytes per letter; the source is not kept. Sources of up to
// SuffixIndex::kMaxTextLength bytes. Neither copied nor moved (the index points
// into the letters); searching is read-only and thread-safe.
class WordLocator {
  public:
    WordLocator(std::string_view source, Language language);
    WordLocator(const WordLocator&) = delete;
    WordLocator& operator=(const WordLocator&) = delete;

    // The occurrences of word, compared byte for byte with the lower-cased letters
    // (so a word with a capital or a non-letter has none), in text order. A word
    // that a dictionary lists twice is still listed once per place.
    std::vector<SourceSpan> find(std::string_view word) const;

  private:
    std::vector<std::uint32_t> sourcePositions_;  // filled while text_ is prepared
    PreparedText text_;
    SuffixIndex index_;
};

}  // namespace undertext::embed
