#pragma once

#include <string_view>

#include "embed/core/prepared_text.h"

namespace undertext::embed::testing {

// The expected count of word in text under the order-k letter model, as first
// described: the model's frequencies counted substring by substring; then at every
// start of the letter stream where the word fits, the probability that the search
// counts it there, multiplied out letter by letter and added up. The search leaves
// an occurrence out when the slot holding its first letter is the word, so at the
// start of a slot of the word's length that probability is 0, and d letters into
// one it is P(word) less P(word at the slot's start and at d), the probability of
// the two overlapping copies (0 when they disagree). For a word shorter than k,
// its probability is the share of the k-strings that begin with it.
double literalExpectedCount(const PreparedText& text, std::string_view word, int order);

}  // namespace undertext::embed::testing
