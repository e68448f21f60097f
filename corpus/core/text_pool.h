#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/core/job_control.h"
#include "corpus/core/text_collection.h"

namespace undertext::corpus {

// How one text's work ended.
struct TextEnd {
    enum class Kind { Done, Failed, Stopped };
    Kind kind = Kind::Done;
    std::string message;  // for Failed: why (the pool adds the text's path)

    static TextEnd done() { return {}; }
    static TextEnd failed(std::string why) { return {Kind::Failed, std::move(why)}; }
    static TextEnd stopped() { return {Kind::Stopped, {}}; }
};

// What the pool says after each text it started, texts and bytes counted over
// the texts finished so far, stopped ones included.
struct TextFinished {
    std::size_t index = 0;  // the text's place in the run
    const TextEnd& end;
    std::size_t textsDone = 0;
    std::size_t textsTotal = 0;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
};

struct TextFailure {
    std::size_t index = 0;
    std::filesystem::path text;
    std::string message;

    friend bool operator==(const TextFailure&, const TextFailure&) = default;
};

struct PoolOptions {
    unsigned workers = 0;  // texts worked on at once at most; 0: defaultWorkers()
    // Read at every stop point of the texts' work and before each text starts, from
    // any worker thread; so it must be thread-safe (an atomic flag). Empty: never.
    std::function<bool()> stopRequested;
    // Called after each text that was started, from one thread at a time, in the
    // order the texts finish: where records are taken in and progress is shown.
    std::function<void(const TextFinished&)> finished;
};

// One text's work, run on a worker thread with the text's index; control's stop
// points read PoolOptions::stopRequested, and its events are dropped (the work may
// wrap it to keep a job's messages). It holds its text only while it runs, and
// lets it go before control.waitForDisk(), which lends its place to another text:
// so at most `workers` texts are in memory at once. An exception that escapes it
// fails that text only.
using TextWork = std::function<TextEnd(std::size_t index, JobControl& control)>;

struct PoolRun {
    bool stopped = false;  // a stop was asked for; texts not yet started were skipped
    std::size_t textsDone = 0;
    std::vector<TextFailure> failures;  // by index
};

// The number of hardware threads, at least 1.
unsigned defaultWorkers();

// Runs work over the texts on a fixed pool of min(workers, texts) places, with
// twice as many threads for the texts waiting for the disk, the texts started in
// index order; one text failing does not stop the others.
// Returns when every started text has finished.
PoolRun runTextPool(const std::vector<CorpusText>& texts, const TextWork& work,
                    const PoolOptions& options = {});

}  // namespace undertext::corpus
