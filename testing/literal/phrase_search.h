#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "create/core/phrase_analysis.h"

namespace undertext::create::testing {

// The phrase search read literally: a full dictionary scan per transition, keeping a
// transition only when it has a left and a right word, the embedded scan, and
// the cross-word lists as nested loops. Slow on purpose.
std::vector<WordAnalysis> literalPhraseSearch(const std::vector<std::string>& dic,
                                              const std::vector<std::string>& words);

// Every list, range and mode of an analysis, to compare two analyses as a whole.
inline auto analysisFields(const WordAnalysis& a) {
    return std::tie(a.w1List, a.w1Range, a.w2List, a.w2Range, a.keptTransitions, a.rList, a.eList,
                    a.wp2W1List, a.rpW1List, a.epW1List, a.wp2RList, a.wp2EList, a.modeList,
                    a.modeCount, a.singleModeCount);
}

}  // namespace undertext::create::testing
