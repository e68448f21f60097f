#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>

#include "common/core/job_control.h"

namespace undertext::ui {

// Runs one core job at a time on a worker thread and hands everything the job
// sends back to the GUI thread through the event queue, never by a nested event
// loop. The window owns the runner (a member or a QObject child); destroying it
// asks a running job to stop and waits for it, and nothing that job sends
// afterwards reaches anyone.
//
// All members are for the GUI thread except post(), which the running job calls.
// Progress, posted callbacks and finished arrive in the order the job sent them.
// While the runner is paused they are held back and delivered on resume(); after
// requestStop() only finished is delivered. A job that a later start() replaced
// delivers nothing at all.
class JobRunner final : public QObject {
    Q_OBJECT

  public:
    enum class End {
        Completed,  // the job returned and no stop was requested
        Stopped,    // a stop was requested before the end was delivered
        Failed,     // the job threw; the error text comes with finished
    };
    Q_ENUM(End)
    using Job = std::function<void(JobControl&)>;

    explicit JobRunner(QObject* parent = nullptr);
    ~JobRunner() override;

    // Starts job on a new worker thread. A previous job that was asked to stop,
    // or has ended, is waited for first; while a previous job still runs without
    // a stop request nothing starts and the call returns false.
    bool start(Job job);

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
    // written. finished still arrives through the queue.
    void waitForEnd();

    // True while the job waits at a stop point because of pause().
    bool isHeldAtStopPoint() const;

    // Called from the running job: runs fn later on the GUI thread under the rules
    // above (for a window effect a job orders, such as re-reading a file list).
    void post(std::function<void()> fn);

  signals:
    void progressChanged(int percent);
    void finished(undertext::ui::JobRunner::End end, const QString& error);

  private:
    class Control;

    struct Delivery {
        std::function<void()> action;
        bool isFinish = false;
    };

    void runOnWorker(const Job& job);
    bool holdAtStopPoint();
    bool stopWasRequested() const;
    void send(Delivery delivery);
    void deliver(std::uint64_t generation, Delivery delivery);
    // Delivers what was held back while paused: everything, or only the job's end.
    void releaseHeldBack(bool onlyTheEnd);
    void joinWorker();

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
