#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "embed/core/significance/letter_model.h"

namespace undertext::embed {

// The periods of word, ascending: the shifts p, 0 < p < length, at which the word
// can overlap itself (word[i] == word[i + p] wherever both exist). A word without
// one cannot overlap itself: its occurrences never clump.
std::vector<std::size_t> wordPeriods(std::string_view word);

// The principal periods: the periods that are not a strict multiple of the
// smallest one (an overlap at twice the smallest period is already a chain of two
// overlaps at the smallest).
std::vector<std::size_t> principalPeriods(std::string_view word);

// The clump parameter a of word under the model: the probability that an
// occurrence is followed by one that overlaps it, as the sum over the principal
// periods p of the probability of the p letters that the overlapping occurrence
// adds, each given the letters before it:
//   a = sum over p of P(w[L-p..L) follows | w), under the chain of order k.
// The occurrences then come in clumps whose sizes are geometric with parameter a.
// Source: S. Schbath (1997), "Compound Poisson approximation of word counts in DNA
// sequences", ESAIM: Probability and Statistics 1, 1-16 (the self-overlap
// probability over principal periods, for m-order Markov chains). 0 for a word
// that cannot overlap itself; kept below 1 so that a clump always ends.
double clumpParameter(const LetterModel& model, std::string_view word);

// The largest clump parameter used: a stream of one repeated letter would give 1.
inline constexpr double kMaxClumpParameter = 0.999999;

}  // namespace undertext::embed
