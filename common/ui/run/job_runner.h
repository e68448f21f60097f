#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>

#include "common/core/job_control.h"

namespace undertext::ui {

// Runs one core job at a time on a worker thread. What the job reports (progress
// and the files it wrote) reaches the window's JobEvents on the GUI thread through
// the event queue, never by a nested event loop, in the order the job sent it;
// what the job returns reaches the end handler when the job has ended. A window's
// run session owns the runner; destroying the runner asks a running job to stop
// and waits for it, and nothing that job sends afterwards reaches anyone: this is
// how every window shuts its job down.
//
// All members are for the GUI thread. While the runner is paused the job's events
// are held back and delivered on resume(); after requestStop() only the end is
// delivered. A job that a later start() replaced delivers nothing at all.
class JobRunner final : public QObject {
    Q_OBJECT

  public:
    enum class End {
        Completed,  // the job returned and no stop was requested
        Stopped,    // a stop was requested before the end was delivered
        Failed,     // the job threw; the error text comes with the end
    };
    Q_ENUM(End)

    // How a job ended with what it returned (nullopt when it threw) and, when it
    // threw, the exception's text.
    template <typename Outcome>
    using EndHandler = std::function<void(End, std::optional<Outcome>, const QString& error)>;

    // events receives every job's events; it must outlive the runner.
    explicit JobRunner(JobEvents& events, QObject* parent = nullptr);
    ~JobRunner() override;

    // Starts job on a new worker thread; onEnd runs on the GUI thread once it has
    // ended, then finished is emitted. A previous job that was asked to stop, or
    // has ended, is waited for first; while a previous job still runs without a
    // stop request nothing starts and the call returns false.
    template <typename Outcome>
    bool start(std::function<Outcome(JobControl&)> job, EndHandler<Outcome> onEnd) {
        return startErased(
            [job = std::move(job), onEnd](JobControl& control) -> Applier {
                return [onEnd, outcome = job(control)](End end, const QString& error) mutable {
                    onEnd(end, std::move(outcome), error);
                };
            },
            [onEnd](End end, const QString& error) { onEnd(end, std::nullopt, error); });
    }

    // True from start() until the job's function has returned.
    bool isRunning() const;

    // The job holds at its next stop point until resume() or requestStop(); a job
    // in a step without stop points goes on to the end of that step.
    void pause();
    void resume();

    // The job's next stop point returns true, also for a job held by pause().
    void requestStop();

    // Blocks until the job's function has returned (at once when none runs). Use it
    // after requestStop() before the program ends, so that no file is left half
    // written. The end still arrives through the queue.
    void waitForEnd();

    // True while the job waits at a stop point because of pause().
    bool isHeldAtStopPoint() const;

    // For the job, on the worker thread: runs question on the GUI thread, in the
    // order of the job's events, and waits for its answer. nullopt when a stop is
    // requested first (the question may still be open then; its answer is dropped),
    // so that a stop or a closed window never waits for the user.
    std::optional<bool> askFromJob(std::function<bool()> question);

  signals:
    // Emitted after the job's end handler has run.
    void finished(undertext::ui::JobRunner::End end, const QString& error);

  private:
    class Control;

    // Hands the job's result to the window, on the GUI thread.
    using Applier = std::function<void(End, const QString&)>;
    using ErasedJob = std::function<Applier(JobControl&)>;

    struct Delivery {
        std::function<void()> action;
        bool isFinish = false;
    };

    bool startErased(ErasedJob job, Applier onFailure);
    void runOnWorker(const ErasedJob& job, const Applier& onFailure);
    bool holdAtStopPoint();
    bool stopWasRequested() const;
    void send(Delivery delivery);
    void deliver(std::uint64_t generation, Delivery delivery);
    // Delivers what was held back while paused: everything, or only the job's end.
    void releaseHeldBack(bool onlyTheEnd);
    void joinWorker();

    JobEvents& events_;
    std::thread worker_;
    std::uint64_t generation_ = 0;  // written by the GUI thread only while no worker runs

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool paused_ = false;
    bool stopRequested_ = false;
    bool held_ = false;
    bool running_ = false;

    std::vector<Delivery> heldBack_;  // GUI thread only
};

}  // namespace undertext::ui
