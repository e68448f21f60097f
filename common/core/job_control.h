#pragma once

#include <cstdint>
#include <functional>

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
    // Passes `count` (at least 1) stop points in a row where the job has no work
    // between them, looking for a stop once, at the last: a stop asked for at any
    // of them is honoured there.
    virtual bool passStopPoints(std::int64_t count) {
        static_cast<void>(count);
        return stopPoint();
    }
    // Runs wait, which only waits for the disk (a written set of files being
    // synced) while the job holds little memory; a pool of jobs lends the job's
    // place to another meanwhile.
    virtual void waitForDisk(const std::function<void()>& wait) { wait(); }
};

// Runs a job to its end with nothing watching.
class UnwatchedJob final : public JobControl {
  public:
    bool stopPoint() override { return false; }
};

}  // namespace undertext
