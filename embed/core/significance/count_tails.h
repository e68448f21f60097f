#pragma once

#include <cstdint>

namespace undertext::embed {

// Upper tails P(X >= observed) of the count distributions that the significance
// test uses, accurate in relative terms far into the tail (down to the smallest
// double), for means and counts into the millions. A mean of 0 gives 1 for a
// count of 0 and 0 otherwise.

// X Poisson with the given mean: the count of a word that cannot overlap itself.
double poissonUpperTail(double mean, std::int64_t observed);

// X geometric-Poisson (Polya-Aeppli): a Poisson number of clumps with mean
// mean * (1 - clump), each of a size geometric on 1, 2, ... with
// P(size = s) = (1 - clump) * clump^(s - 1); so X keeps the given mean. clump in
// [0, 1); clump 0 is the Poisson tail.
double geometricPoissonUpperTail(double mean, double clump, std::int64_t observed);

}  // namespace undertext::embed
