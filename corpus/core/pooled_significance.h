#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/text/letters.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/text_model.h"

namespace undertext::corpus {

// A word's expectation over several texts: the sum of its expected counts, each
// text's taken from the text's own model, and the clump parameter of the pooled
// geometric-Poisson count. Text i puts its occurrences in clumps at the rate
// mu_i (1 - theta_i), so the clumps of all texts come at
// Lambda = sum of mu_i (1 - theta_i); their sizes follow a mixture of geometric
// laws whose mean is the occurrences over the clumps, sum of mu_i / Lambda. The
// pooled clump parameter theta = 1 - Lambda / sum of mu_i is the one of the
// geometric law with that mean (1 / (1 - theta)), so the pooled count keeps the
// summed mean. 0 when nothing is expected.
struct PooledExpectation {
    double expected = 0;
    double clump = 0;
};

// Over texts, summed in the order given (which fixes the rounding).
PooledExpectation pooledExpectation(std::span<const embed::TextModel* const> texts,
                                    std::string_view word);

// The significance columns of one word of a corpus summary.
struct PooledColumns {
    double expected = 0;
    double ratio = 0;         // total / expected; infinite when nothing is expected
    std::optional<double> q;  // absent: the word is too short to be tested
};

// Whether the words of a corpus are there by chance, over all its texts at once:
// each word's total against its pooled expectation, by the Poisson upper tail (a
// word that cannot overlap itself: its clump parameter is 0) or the
// geometric-Poisson tail, adjusted by Benjamini-Hochberg over the family. The
// family is the tested words of the modules of each language the texts are in,
// added; a word never found counts with p = 1. As in a single text, a word of
// k + 1 letters or fewer is not tested. Keeps every text's model (see TextModel
// for its size), so it grows with the number of texts, not with their size.
// Not thread-safe.
class PooledSignificance {
  public:
    explicit PooledSignificance(int modelOrder) : modelOrder_(modelOrder) {}

    int modelOrder() const { return modelOrder_; }

    // A text of the corpus, each index (its place in the run) once, in any order.
    // model absent: the text is too short for the model and adds nothing to the
    // sums. familySize: the tested words of its modules (as ModuleFamily counts
    // them), the same for every text of a language.
    void addText(std::size_t index, const std::optional<embed::TextModel>& model, Language language,
                 std::size_t familySize);

    // Why no column can be given: texts were added but none could be modelled, or
    // their modules hold no word to test.
    std::optional<embed::SignificanceRefusal> refusal() const;

    // The columns of words (Windows-1251) with their totals, in their order. The
    // sums are spread over `workers` threads, each word's taken over the texts in
    // index order, so the result does not depend on their number. nullopt when
    // stopRequested (called now and then from any of them) says so.
    std::optional<std::vector<PooledColumns>> columns(
        const std::vector<std::pair<std::string_view, std::uint64_t>>& words, unsigned workers,
        const std::function<bool()>& stopRequested = {}) const;

  private:
    static constexpr std::size_t kWordsBetweenStopChecks = 64;

    // The models, by the texts' indices.
    std::vector<const embed::TextModel*> textsInOrder() const;
    // The family's size: the tested words of each language's modules, added.
    std::size_t familySize() const;

    int modelOrder_;
    bool anyText_ = false;
    std::vector<std::pair<std::size_t, embed::TextModel>> models_;  // with their indices
    std::map<Language, std::size_t> familyOfLanguage_;
};

}  // namespace undertext::corpus
