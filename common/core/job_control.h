#pragma once

#include "common/core/job_events.h"

namespace undertext {

// What a long job (a search, a synthesis) sees of whoever runs it: the events it
// reports and its stop points. The job calls stopPoint() exactly at its stop
// points; when it returns true the job ends as stopped at once. A job takes its
// request and a JobControl& and returns its outcome. Implementations are called
// from the job's thread only.
class JobControl : public JobEvents {
  public:
    virtual bool stopPoint() = 0;
};

// Runs a job to its end with nothing watching.
class UnwatchedJob final : public JobControl {
  public:
    bool stopPoint() override { return false; }
};

}  // namespace undertext
