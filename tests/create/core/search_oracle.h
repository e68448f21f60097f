#pragma once

#include <string>
#include <vector>

#include "create/core/phrase_analysis.h"

namespace undertext::create::testing {

// The search exactly as described: a full dictionary scan per transition, the
// embedded scan, and the cross-word lists as two nested loops. Slow on purpose.
PhraseAnalysis literalSearch(const std::vector<std::string>& dic,
                             const std::vector<std::string>& words);

}  // namespace undertext::create::testing
