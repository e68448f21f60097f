#pragma once

#include <cstdint>
#include <string>

namespace undertext {

// A whole number as labels and reports write it: a blank for a number that is
// not negative, a minus sign otherwise, then the digits (2 gives " 2").
std::string numberText(std::int64_t value);

// A number in a report's table row: the number text and one trailing blank
// (12 gives " 12 ").
std::string printedNumber(std::int64_t value);

// A single-precision value in the coefficient form: a blank or a minus sign, then
// at most 7 significant digits, without trailing zeros, without a decimal point
// for a whole number and without a zero before the point (0.25 gives " .25").
// Values below 0.0001 and of 10^7 or more take an exponent form (" 1E-05").
std::string coefficientText(float value);

// numerator / denominator rounded to the nearest whole number, halves to the even
// neighbour (5 / 2 gives 2, 3 / 2 gives 2, 7 / 2 gives 4). denominator must not be 0.
std::int64_t divideRoundHalfEven(std::int64_t numerator, std::int64_t denominator);

// The column at which the count column of a sorted report begins: the longest
// listed word or fragment plus 1, at least 6.
int reportColumn(int maxListedLength);

}  // namespace undertext
