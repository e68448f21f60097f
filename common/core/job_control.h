#pragma once

#include <cstdint>

namespace undertext {

// What a long job (a search, a synthesis) sees of whoever runs it. The job calls
// progress() with each new percentage and stopPoint() exactly at its stop points;
// when stopPoint() returns true the job ends as stopped at once. Implementations
// are called from the job's thread only.
class JobControl {
  public:
    virtual ~JobControl() = default;
    virtual void progress(int percent) = 0;
    virtual bool stopPoint() = 0;
    // Passes `count` (at least 1) stop points in a row where the job has no work
    // between them, looking for a stop once, at the last: a stop asked for at any
    // of them is honoured there.
    virtual bool passStopPoints(std::int64_t count) {
        static_cast<void>(count);
        return stopPoint();
    }
};

// Runs a job to its end with nothing watching.
class UnwatchedJob final : public JobControl {
  public:
    void progress(int) override {}
    bool stopPoint() override { return false; }
};

}  // namespace undertext
