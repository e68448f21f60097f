#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "corpus/core/pooled_significance.h"
#include "corpus/core/term_summary.h"
#include "corpus/core/text_records.h"

namespace undertext::corpus {

// The corpus summary of Embed runs (see summary_files.h for the tables' form):
// - FILE: word, total (the sum of its counts), texts (those where it was found),
//   per_million (total × 1,000,000 / the corpus's letters, two decimals), dp
//   (the deviation of proportions, TermTotals, three decimals); by total, the highest first, then
//   by the word as the alphabetical report orders words; with a significance
//   order, also expected, ratio and q (PooledSignificance), written as the
//   significance file writes them, q "-" for an untested word;
// - the by-text file: text, word, count; by text (as the run orders them), then
//   the highest count first, then the word in that order.
// The corpus is the texts added: a text that failed is not in it. Texts are added
// from any thread (see TermSummary).
class EmbedSummary final : public TermSummary {
  public:
    // significanceOrder: the letter model's order of the significance columns;
    // absent: none. Their sums are spread over `workers` threads.
    explicit EmbedSummary(std::optional<int> significanceOrder = std::nullopt,
                          unsigned workers = 1);

    // Takes a text's record; each index (the text's place in the run) once, in any
    // order.
    void add(std::size_t index, const EmbedTextRecord& record);
    // Works out the significance columns, the longest part of the summary.
    bool prepare(const std::function<bool()>& stopRequested) override;
    void produceSummary(const PieceSink& sink) override;
    // The significance columns are left out when no text could be modelled or the
    // modules hold nothing to test; this says why, as a single run does.
    std::optional<std::string> withheldColumns() const override;

  private:
    bool withSignificance() const { return significance_ && !withheldColumns(); }

    std::mutex addingModel_;  // guards significance_ and columns_ while texts are added
    std::optional<PooledSignificance> significance_;
    std::optional<std::vector<PooledColumns>> columns_;  // of the rows, in their order
    unsigned workers_;
};

}  // namespace undertext::corpus
