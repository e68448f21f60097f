#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/text/letters.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "embed/core/significance/text_model.h"

namespace undertext::embed {

// "Is it chance?": how often the letters of a text alone would put each found
// word there, and how surprising its count is.
//
// The letter model is a Markov chain of order k over the text's own letter stream
// (see LetterModel). A word longer than k + 1 letters is tested: its count is
// compared with the expectation by the Poisson upper tail, or, when the word can
// overlap itself, by the geometric-Poisson tail with its clump parameter (see
// clumpParameter); the p-values are adjusted over the whole family by
// Benjamini-Hochberg. The family is every distinct word of the selected modules
// that is longer than k + 1 letters and made only of lower-case letters of the
// language (anything else can never be found), found or not: a word never found
// has p = 1 and still counts. A word of k + 1 letters or fewer is reproduced by
// the model itself and is not tested.

inline constexpr int kDefaultModelOrder = 1;
inline constexpr int kMaxModelOrder = 2;

// One found word.
struct SignificanceRow {
    std::string word;           // Windows-1251
    std::int64_t observed = 0;  // its occurrences in the text as the search counts them
    double expected = 0;        // under the letter model
    bool tested = false;        // false: k + 1 letters or fewer, no p or q
    double p = 1;               // P(count >= observed) under the model; 1 when not tested
    double q = 1;               // Benjamini-Hochberg over the family; 1 when not tested

    // observed / expected, and (observed - expected) / sqrt(expected). A found word
    // always has a positive expectation unless it is so long that its probability
    // underflows; then both are infinite.
    double ratio() const;
    double z() const;
};

struct SignificanceTable {
    int modelOrder = kDefaultModelOrder;
    std::size_t familySize = 0;  // words tested, found or not
    // One row per found word: tested rows by q ascending, then ratio descending,
    // then word (byte order); then the untested rows by ratio descending, then word.
    std::vector<SignificanceRow> rows;
};

// Why no assessment was made. The reports of the run are not concerned.
enum class SignificanceRefusal {
    ModelOrderOutOfRange,  // the order is not 0, 1 or 2
    TextTooShort,          // fewer than k + 2 letters: no transition to fit
    NothingTestable,       // no word of the modules is longer than k + 1 letters
};

// The message (UTF-8) that tells the user why.
std::string refusalMessage(SignificanceRefusal refusal, int modelOrder);

struct SignificanceOutcome {
    std::optional<SignificanceRefusal> refusal;  // set: table is empty
    SignificanceTable table;
};

// Assesses the words a run found. text and dicWords are the run's (the prepared
// text and the words of the selected modules, duplicates and all); found are the
// counted words (EmbeddedSearch::embeddedWords(), in any order): a word that the
// modules list m times has m times its occurrences there, and its row gives its
// occurrences once. The modules are walked once (see ModuleFamily), the text once
// for the model; each found word then costs time in its length and its count.
// Pure: touches no global state, so it may run on any thread.
// order: dicWords's, when the caller has it (the search's); null: made here.
SignificanceOutcome assessSignificance(const PreparedText& text, const DicWords& dicWords,
                                       const std::vector<EmbeddedWord>& found, Language language,
                                       int modelOrder = kDefaultModelOrder,
                                       const DictionaryOrder* order = nullptr);

// The same with the text's model fitted already (TextModel::fit of the text with
// modelOrder; nullopt stands for the refusal fit made), so that a run that keeps
// the model for later fits it once.
SignificanceOutcome assessSignificance(const std::optional<TextModel>& model, int modelOrder,
                                       const DicWords& dicWords,
                                       const std::vector<EmbeddedWord>& found, Language language,
                                       const DictionaryOrder* order = nullptr);

}  // namespace undertext::embed
