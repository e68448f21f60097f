#pragma once

#include <string>
#include <vector>

#include "create/core/phrase_analysis.h"

namespace undertext::create::testing {

// The phrase search read literally: a full dictionary scan per transition, keeping a
// transition only when it has a left and a right word, the embedded scan, and
// the cross-word lists as nested loops. Slow on purpose.
std::vector<WordAnalysis> literalPhraseSearch(const std::vector<std::string>& dic,
                                              const std::vector<std::string>& words);

}  // namespace undertext::create::testing
