#pragma once

#include <optional>
#include <string>

#include "create/core/create_session.h"

namespace undertext::create {

// The next-variant action in two halves around the analysis, so that a window can
// run the analysis's search on a worker thread.
enum class NextVariantStart {
    Nothing,       // no consent: nothing happens
    AnalyseFirst,  // run the analysis, then finishNextVariant
    Compose,       // call finishNextVariant at once
};

// Clears PhraseActive and tells what comes next.
NextVariantStart startNextVariant(CreateSession& session);

// After a refused or stopped analysis, nothing (nullopt). Otherwise composes up to
// 20 candidates until one is not in the ring (the 20th is taken anyway), stores it
// in the ring, sets PhraseActive and returns it; the window then enables the
// result line, makes it white, shows the text and focuses the next-variant button.
std::optional<std::string> finishNextVariant(CreateSession& session);

// ShowPreviousVariant: steps back through the ring (0 wraps to 10) and returns the
// slot's text for the result line (an empty slot: an empty line).
const std::string& showPreviousVariant(CreateSession& session);

}  // namespace undertext::create
