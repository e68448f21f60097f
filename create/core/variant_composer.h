#pragma once

#include <string>

#include "create/core/phrase_analysis.h"
#include "create/core/variant_random.h"

namespace undertext::create {

// One candidate variant of a completed analysis: for every phrase word a mode is
// drawn, then the mode's words, in a fixed order of draws; a cross-word mode also
// rewrites the position before. The text is each position's first part, a
// blank, its second part and a blank. A word without candidates is written as
// itself. The analysis must be complete (its lists and modes consistent).
std::string composeCandidate(const PhraseAnalysis& analysis, RandomSource& random);

}  // namespace undertext::create
