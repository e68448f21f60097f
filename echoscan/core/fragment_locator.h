#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"
#include "common/core/text/source_span.h"
#include "common/core/text/suffix_index.h"

namespace undertext::echoscan {

// Where a fragment occurs in a text, as the fragment reports count it: every start
// in the text's FragmentText (overlapping occurrences included) from which the
// fragment ends before the last two bytes of FragmentText, which belong to no
// fragment. Each occurrence is the span of the source from its first letter to its
// last, the separators between them included; a fragment that is one blank spans
// the run of separators it stands for.
//
// Works on Windows-1251 source (one byte per character), so span positions are
// character positions. FragmentText, the map back to the source and the suffix
// array take about 9 bytes per byte of FragmentText; the source is not kept.
// Sources of up to SuffixIndex::kMaxTextLength bytes. Neither copied nor moved (the
// index points into the text); searching is read-only and thread-safe.
class FragmentLocator {
  public:
    FragmentLocator(std::string_view source, Language language);
    FragmentLocator(const FragmentLocator&) = delete;
    FragmentLocator& operator=(const FragmentLocator&) = delete;

    // The occurrences of fragment, in text order. The fragment is first prepared as
    // the text is (letters lowered, each run of other characters one blank), so
    // «Мама, мыла» finds «мама мыла».
    std::vector<SourceSpan> find(std::string_view fragment) const;

  private:
    Language language_;
    std::vector<std::uint32_t> sourcePositions_;  // filled while fragmentText_ is prepared
    std::string fragmentText_;
    SuffixIndex index_;
};

}  // namespace undertext::echoscan
