#pragma once

#include <cstddef>
#include <span>

#include "corpus/core/term_summary.h"
#include "corpus/core/text_records.h"

namespace undertext::corpus {

// Gries' deviation of proportions of a term: ½ Σ |v_i - s_i| over every text i of
// the corpus, v_i the text's share of the term's total and s_i its share of the
// corpus's letters; texts without the term count with v_i = 0. 0 when the term is
// spread as evenly as the texts' sizes; near 1 when it is all in one small text.
// counts are the term's (by text); corpusLetters must be above 0.
double deviationOfProportions(const TermCounts& table, std::span<const TermCounts::Count> counts,
                              std::uint64_t total, std::uint64_t corpusLetters);

// The corpus summary of Embed runs (see summary_files.h for the tables' form):
// - FILE: word, total (the sum of its counts), texts (those where it was found),
//   per_million (total × 1,000,000 / the corpus's letters, two decimals), dp
//   (deviationOfProportions, three decimals); by total, the highest first, then
//   by the word as the alphabetical report orders words;
// - the by-text file: text, word, count; by text (as the run orders them), then
//   the highest count first, then the word in that order.
// The corpus is the texts added: a text that failed is not in it. Not thread-safe.
class EmbedSummary final : public TermSummary {
  public:
    EmbedSummary() : TermSummary("word") {}

    // Takes a text's record; each index (the text's place in the run) once, in any
    // order.
    void add(std::size_t index, const EmbedTextRecord& record);
    void produceSummary(const PieceSink& sink) override;
};

}  // namespace undertext::corpus
