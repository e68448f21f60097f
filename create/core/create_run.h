#pragma once

#include <string_view>

#include "common/core/job_events.h"
#include "common/core/result.h"
#include "create/core/create_job.h"
#include "create/core/create_session.h"

namespace undertext::create {

// What the start of a run changes in the window that shows the session, called
// on the session's thread: the phrase box and the progress.
class CreateEffects : public JobEvents {
  public:
    // Empties the phrase box, then writes the text (Windows-1251): two edits.
    virtual void rewritePhraseBox(std::string_view /*normalisedPhrase*/) {}
};

// A synthesis run in the session, in three steps, so that a window can run the
// middle one, createJob, on a worker thread.
// beginCreateRun (session's thread): refuses what checkCreateRequest refuses.
// Otherwise the session forgets its analysis and variants, the phrase box shows
// the phrase as the run takes it, the phrase is active and StopRequested clear;
// then it refuses what prepareSearch refuses, or prepares the request's search
// and shows progress 2. A refusal goes to finishCreateRun like any other end.
Status beginCreateRun(CreateSession& session, CreateRequest& request, CreateEffects& effects);

// finishCreateRun (session's thread) with createJob's outcome: a completed run's
// analysis is kept (keepAnalysis) unless a stop was confirmed meanwhile; any
// other end leaves StopRequested set.
void finishCreateRun(CreateSession& session, CreateOutcome outcome);

// Takes a completed run's analysis into the session: the phrase as the run wrote
// it back, PhraseAnalysed set, StopRequested clear.
void keepAnalysis(CreateSession& session, PhraseAnalysis analysis);

}  // namespace undertext::create
