#pragma once

#include <functional>
#include <string>
#include <utility>

#include "common/core/job_control.h"

namespace undertext {

// How a run of a job ended.
enum class JobEnding {
    Completed,     // the run did all its work
    NothingFound,  // the run did all its work and found nothing; the message says so
    Refused,       // a check of the request or of the text refused it; the message says why
    Failed,        // a file could not be read or written, or memory ran out; the message names it
    Stopped,       // a stop point asked to stop
};

// The results of a job that leaves nothing but its files.
struct NoResults {};

// What a job returns: how it ended, the message the user is told (UTF-8; empty
// for Completed and Stopped) and, for a run that did all its work, its results. The caller
// shows or prints the message; the job never does.
template <typename Results = NoResults>
struct JobOutcome {
    JobEnding ending = JobEnding::Failed;
    std::string message;
    Results results{};

    static JobOutcome completed(Results results = {}) {
        return {JobEnding::Completed, {}, std::move(results)};
    }
    static JobOutcome nothingFound(std::string message, Results results = {}) {
        return {JobEnding::NothingFound, std::move(message), std::move(results)};
    }
    static JobOutcome refused(std::string message) {
        return {JobEnding::Refused, std::move(message), {}};
    }
    static JobOutcome failed(std::string message) {
        return {JobEnding::Failed, std::move(message), {}};
    }
    static JobOutcome stopped() { return {JobEnding::Stopped, {}, {}}; }

    // The run did all its work, whatever it found.
    bool finished() const {
        return ending == JobEnding::Completed || ending == JobEnding::NothingFound;
    }
};

// A program's job as a window holds it: the job itself, or a substitute in tests.
template <typename Request, typename Outcome>
using JobFunction = std::function<Outcome(const Request&, JobControl&)>;

}  // namespace undertext
