#pragma once

#include <cstddef>
#include <vector>

namespace undertext::embed {

// Benjamini-Hochberg q-values (the step-up adjustment that controls the false
// discovery rate): with the family's m p-values ranked ascending, the value of
// rank i is m * p(i) / i, made monotone by taking the least such value at rank i
// or after, and capped at 1. Equal p-values get equal q-values.
//
// pValues are some of the family's p-values; the family holds familySize in all
// (at least pValues.size()), the others being 1 (tests of words never found).
// They can only rank last and change nothing below 1, so they are not passed.
// The q-values come back in the order of pValues.
std::vector<double> benjaminiHochberg(const std::vector<double>& pValues, std::size_t familySize);

}  // namespace undertext::embed
