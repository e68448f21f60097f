#pragma once

#include <string>
#include <vector>

#include "embed/core/significance/significance.h"

namespace undertext::embed {

// The significance file of a run, beside the text: name + suffix.
inline constexpr const char* kSignificanceSuffix = "_EmbSignificance.tsv";

// The bytes of the significance file: UTF-8 whatever the text's encoding (it is a
// data file for other tools), tab-separated, every line ended by LF. A header line
//   word observed expected ratio z p q
// then one line per row, in the rows' order. Numbers are written with a full stop
// whatever the locale: observed as a whole number; expected, ratio and z with four
// significant digits as printf's %.4g writes them (3.142, 12.5, 1.235e+04, -0.5);
// p and q with three significant digits as %.2e writes them (1.23e-05, 1.00e+00).
// An untested row has "-" for p and q. An infinite ratio or z reads "inf".
std::string significanceTsv(const std::vector<SignificanceRow>& rows);

// One number as that file writes it: %.4g (expected, ratio, z) and %.2e (p, q), in
// the "C" locale; an infinity reads "inf" or "-inf".
std::string fourDigits(double value);
std::string threeDigitsScientific(double value);

}  // namespace undertext::embed
