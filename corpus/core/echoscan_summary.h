#pragma once

#include <cstddef>

#include "corpus/core/term_summary.h"
#include "corpus/core/text_records.h"

namespace undertext::corpus {

// The corpus summary of Echoscan runs, the fragments recurring within each text
// (see summary_files.h for the tables' form):
// - FILE: fragment (as the reports write it, blanks kept), total (the sum of its
//   counts), texts (those where it recurs), length; by total, the highest first,
//   then by the fragment's bytes as the alphabetical report orders them;
// - the by-text file: text, fragment, count; by text (as the run orders them),
//   then the highest count first, then the fragment in that order.
// A text that failed is not in it. Texts are added from any thread (see
// TermSummary).
class EchoscanSummary final : public TermSummary {
  public:
    EchoscanSummary() : TermSummary("fragment") {}

    // Takes a text's record; each index (the text's place in the run) once, in any
    // order.
    void add(std::size_t index, const EchoscanTextRecord& record);
    void produceSummary(const PieceSink& sink) override;
};

}  // namespace undertext::corpus
