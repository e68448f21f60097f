#include "common/ui/run/job_runner.h"

#include <cassert>
#include <exception>
#include <memory>
#include <new>

#include <QCoreApplication>
#include <QThread>

namespace undertext::ui {

// What the job sees of the runner, on the worker thread: each event is queued
// for the window's JobEvents.
class JobRunner::Control final : public JobControl {
  public:
    explicit Control(JobRunner& runner) : runner_(runner) {}

    void progress(int percent) override {
        assert(percent >= 0 && percent <= 100);
        // A repeated value would change nothing on the screen.
        if (percent == lastPercent_) {
            return;
        }
        lastPercent_ = percent;
        forward([percent](JobEvents& events) { events.progress(percent); });
    }
    void showResultFiles(const ResultFiles& files) override {
        forward([files](JobEvents& events) { events.showResultFiles(files); });
    }
    void showWaiting(const std::string& reason) override {
        lastPercent_ = -1;  // the label shows the reason now, not the percent
        forward([reason](JobEvents& events) { events.showWaiting(reason); });
    }
    bool stopPoint() override { return runner_.holdAtStopPoint(); }

  private:
    template <typename Event>
    void forward(Event event) {
        JobEvents* events = &runner_.events_;
        runner_.send({[events, event = std::move(event)] { event(*events); }});
    }

    JobRunner& runner_;
    int lastPercent_ = -1;
};

JobRunner::JobRunner(JobEvents& events, QObject* parent) : QObject(parent), events_(events) {}

JobRunner::~JobRunner() {
    requestStop();
    joinWorker();
}

bool JobRunner::startErased(ErasedJob job, Applier onFailure) {
    assert(QThread::currentThread() == thread());
    if (worker_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            if (running_ && !stopRequested_) {
                return false;
            }
        }
        joinWorker();
    }
    ++generation_;
    heldBack_.clear();
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
        stopRequested_ = false;
        held_ = false;
        running_ = true;
    }
    worker_ = std::thread([this, job = std::move(job), onFailure = std::move(onFailure)] {
        runOnWorker(job, onFailure);
    });
    return true;
}

bool JobRunner::isRunning() const {
    std::lock_guard lock(mutex_);
    return running_;
}

void JobRunner::pause() {
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void JobRunner::resume() {
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    wake_.notify_all();
    releaseHeldBack(false);
}

void JobRunner::requestStop() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
        paused_ = false;
    }
    wake_.notify_all();
    // Only the end of the job is still of interest.
    releaseHeldBack(true);
}

void JobRunner::releaseHeldBack(bool onlyTheEnd) {
    // A handler may start another job meanwhile; what is held back stays this job's.
    const auto generation = generation_;
    auto pending = std::move(heldBack_);
    heldBack_.clear();
    for (auto& delivery : pending) {
        if (!onlyTheEnd || delivery.isFinish) {
            deliver(generation, std::move(delivery));
        }
    }
}

void JobRunner::waitForEnd() {
    joinWorker();
}

bool JobRunner::stopWasRequested() const {
    std::lock_guard lock(mutex_);
    return stopRequested_;
}

bool JobRunner::isHeldAtStopPoint() const {
    std::lock_guard lock(mutex_);
    return held_;
}

void JobRunner::runOnWorker(const ErasedJob& job, const Applier& onFailure) {
    Control control(*this);
    End end = End::Completed;
    QString error;
    Applier apply;
    try {
        apply = job(control);
    } catch (const std::bad_alloc&) {
        end = End::Failed;
        error = QCoreApplication::translate("JobRunner", "Недостаточно памяти.");
    } catch (const std::exception& e) {
        end = End::Failed;
        error = QString::fromUtf8(e.what());
    } catch (...) {
        end = End::Failed;
    }
    if (end == End::Failed) {
        apply = onFailure;
    }
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    send({[this, end, error, apply = std::move(apply)] {
              joinWorker();
              // A stop confirmed while the end was held back still counts as a stop.
              const End how = end == End::Completed && stopWasRequested() ? End::Stopped : end;
              apply(how, error);
              emit finished(how, error);
          },
          true});
}

std::optional<bool> JobRunner::askFromJob(std::function<bool()> question) {
    // Shared with the queued call, which may run after the job has stopped waiting.
    auto answer = std::make_shared<std::optional<bool>>();
    send({[this, answer, question = std::move(question)] {
        const bool yes = question();
        {
            std::lock_guard lock(mutex_);
            *answer = yes;
        }
        wake_.notify_all();
    }});
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return answer->has_value() || stopRequested_; });
    return stopRequested_ ? std::nullopt : *answer;
}

bool JobRunner::holdAtStopPoint() {
    std::unique_lock lock(mutex_);
    if (paused_ && !stopRequested_) {
        held_ = true;
        wake_.wait(lock, [this] { return !paused_ || stopRequested_; });
        held_ = false;
    }
    return stopRequested_;
}

void JobRunner::send(Delivery delivery) {
    // The runner outlives its worker (the destructor joins it), and Qt drops the
    // queued call if the runner is gone by the time the event loop reaches it.
    const auto generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, delivery = std::move(delivery)]() mutable {
            deliver(generation, std::move(delivery));
        },
        Qt::QueuedConnection);
}

void JobRunner::deliver(std::uint64_t generation, Delivery delivery) {
    if (generation != generation_) {
        return;
    }
    bool paused = false;
    {
        std::lock_guard lock(mutex_);
        if (stopRequested_ && !delivery.isFinish) {
            return;
        }
        paused = paused_;
    }
    if (paused) {
        heldBack_.push_back(std::move(delivery));
        return;
    }
    delivery.action();
}

void JobRunner::joinWorker() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

}  // namespace undertext::ui
