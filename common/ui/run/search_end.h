#pragma once

#include <cstddef>
#include <string>

#include "common/core/job_outcome.h"

namespace undertext::ui {

class ProgressDisplay;
class ResultFileList;
class RunSession;

// A run of those windows begins: the result list is emptied, to show what this
// run writes, and the percent a stop reports starts again from 0.
void showSearchBegins(ProgressDisplay& progress, ResultFileList& results);

// Why a run of those windows waits, in the progress label until its next percent.
void showSearchWaiting(ProgressDisplay& progress, const std::string& reason);

// The stop button of those windows: the session asks; a confirmed stop of a run
// under way shows the percent it stopped at.
void askSearchStop(RunSession& run, ProgressDisplay& progress);

// What the windows that search a source text (Embed, Echoscan) show at the end of
// a run, after the run session has shown its message: a finished run 100 (with
// the bytes its decoding replaced, when there were any), a stopped one the
// percent it stopped at with the bar back at 0, and either way the result list
// read again, since a stop leaves on disk the reports written before it. A
// refused run shows the list as before it; a failed one changes neither.
void showSearchEnd(JobEnding ending, ProgressDisplay& progress, ResultFileList& results,
                   std::size_t replacedBytes);

}  // namespace undertext::ui
