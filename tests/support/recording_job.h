#pragma once

#include <cstdint>
#include <vector>

#include "common/core/job_control.h"

namespace undertext::testing {

// A job-control double: records every progress value, every stop point and how
// often the result list is told to read its folder, and
// asks for a stop at a chosen stop point (counted from 1; 0 never stops).
class RecordingJob final : public JobControl {
  public:
    explicit RecordingJob(long stopAt = 0) : stopAt_(stopAt) {}

    void progress(int percent) override { progressValues.push_back(percent); }
    void showResultFiles(const ResultFiles& /*files*/) override { ++resultListReads; }
    bool stopPoint() override { return ++stopPoints == stopAt_; }
    // Counts every stop point of the run, and stops exactly at the chosen one.
    bool passStopPoints(std::int64_t count) override {
        if (stopAt_ > stopPoints && stopAt_ <= stopPoints + count) {
            stopPoints = stopAt_;
            return true;
        }
        stopPoints += count;
        return false;
    }

    std::vector<int> progressValues;
    int resultListReads = 0;
    long stopPoints = 0;

  private:
    long stopAt_;
};

}  // namespace undertext::testing
