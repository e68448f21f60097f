#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "create/core/phrase_analysis.h"
#include "create/core/variant_history.h"
#include "create/core/variant_random.h"

namespace undertext::create {

// The program flags that tie the window to the engine, the variants and saving.
struct CreateFlags {
    bool consentGiven = false;    // set by agreeing at start-up; never cleared
    bool stopRequested = true;    // set by a confirmed stop and by a refused run
    bool phraseAnalysed = false;  // a run completed for the current phrase
    bool phraseActive = false;    // editing, stopping or closing asks first
};

// Everything Create keeps between actions: the flags, the last run's analysis,
// the ring of variants, the program's random generator and the remembered save
// folder. One per program; used from the window's thread only (the search of a
// run reads a copy of its inputs, never the session).
struct CreateSession {
    explicit CreateSession(std::unique_ptr<RandomSource> source = std::make_unique<ProgramRandom>())
        : random(std::move(source)) {}

    CreateFlags flags;
    std::string normalisedPhrase;  // what the last run wrote into the phrase box
    PhraseAnalysis analysis;
    VariantHistory history;
    std::unique_ptr<RandomSource> random;
    std::filesystem::path lastSaveFolder;  // LastSaveFolder: empty until read or saved
};

// The flag changes of a confirmed stop; the window also enables the action
// buttons, shows progress 0 and empties the result line. A run in progress ends
// at its next stop point.
inline void confirmStop(CreateSession& session) {
    session.flags.stopRequested = true;
    session.flags.phraseActive = false;
    session.flags.phraseAnalysed = false;
}

}  // namespace undertext::create
