#pragma once

#include "common/core/job_outcome.h"

namespace undertext::ui {

class ProgressDisplay;
class ResultFileList;

// What the windows that search a source text (Embed, Echoscan) show at the end of
// a run, after the run session has shown its message: a finished run 100, a
// stopped one 0, and either way the result list read again, since a stop leaves
// on disk the reports written before it. A refused or failed run changes neither.
void showSearchEnd(JobEnding ending, ProgressDisplay& progress, ResultFileList& results);

}  // namespace undertext::ui
