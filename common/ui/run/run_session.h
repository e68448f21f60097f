#pragma once

#include <cassert>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include <QString>

#include "common/core/files/report_size_approval.h"
#include "common/core/job_events.h"
#include "common/core/job_outcome.h"
#include "common/core/result.h"
#include "common/ui/run/job_runner.h"
#include "common/ui/run/run_guard.h"

class QWidget;

namespace undertext::ui {

class Dialogs;

// The texts a window's runs are spoken of with.
struct RunTexts {
    const char* stopQuestion;  // what the stop button asks
    // The box of a job that threw: the lead, then the separator and the
    // exception's text when it has one.
    const char* failureLead;
    const char* failureSeparator;
};

// The runs of a main window, one at a time: the job runner, the busy flag with its
// stop and exit questions, the rule for a start while a run is under way, and what
// every run's end shows. A run begins (begin), is refused at once or runs its job
// on the worker thread (run), and ends with the job's outcome: its message in an
// information box (a refusal, a failure, nothing found, or the failure text of a
// job that threw), the run buttons enabled, and the busy flag cleared only by a
// completed run, so that after a message stop and exit still ask. Then the
// window's own finish gets the outcome. A stop confirmed after the job's last stop
// point leaves the run as the job finished it; any other confirmed stop ends it as
// stopped. The window owns the session; destroying it stops the job and waits for
// it. GUI thread only; window, events, dialogs and the buttons' switch must outlive
// the session.
class RunSession {
  public:
    // events receives the job's events; enableRunButtons switches the controls a
    // run locks.
    RunSession(QWidget& window, JobEvents& events, std::function<void(bool)> enableRunButtons,
               Dialogs& dialogs, RunTexts texts);

    // From begin() until the run's end arrives or a stop is confirmed.
    bool underWay() const { return underWay_; }

    // The first step of a run. While one is under way nothing happens and false
    // comes back; otherwise the window is busy and its run buttons disabled.
    bool begin();

    // The second step, after begin(): a failed check ends the run at once with its
    // message as a refusal; otherwise job (JobOutcome(JobControl&)) runs on the
    // worker thread. finish(outcome) runs on the GUI thread at the end.
    template <typename Job, typename Finish>
    void run(const Status& check, Job job, Finish finish);

    // The stop button. Not busy: nothing. Otherwise asks the stop question while
    // the job is held; Yes ends the run at once (the job stops at its next stop
    // point), enables the run buttons and shows progress 0.
    RunGuard::StopAnswer askStop();

    // Every way of closing the main window: true when it may close (not busy, or
    // the exit question answered Yes, which stops the job).
    bool confirmExit() { return guard_.confirmExit(); }

    // The question a run's job asks before writing a large set of reports.
    ReportSizeApproval reportSizeQuestion();

    // The busy flag, for a window whose busy state is its own (Create's phrase).
    void setBusy(bool busy) { guard_.setBusy(busy); }

  private:
    template <typename Outcome>
    Outcome outcomeOf(JobRunner::End end, std::optional<Outcome> outcome,
                      const QString& error) const;
    // What every run's end shows before the window's finish.
    void showEnd(JobEnding ending, const std::string& message);
    std::string failureText(const QString& error) const;

    QWidget& window_;
    JobEvents& events_;
    std::function<void(bool)> enableRunButtons_;
    Dialogs& dialogs_;
    RunTexts texts_;
    JobRunner runner_;
    RunGuard guard_;
    bool underWay_ = false;
};

template <typename Job, typename Finish>
void RunSession::run(const Status& check, Job job, Finish finish) {
    using Outcome = std::invoke_result_t<Job&, JobControl&>;
    assert(underWay_);
    if (!check) {
        auto refusal = Outcome::refused(check.error());
        showEnd(refusal.ending, refusal.message);
        finish(std::move(refusal));
        return;
    }
    // A job still running was asked to stop, and the runner waits for it.
    [[maybe_unused]] const bool started = runner_.start<Outcome>(
        std::move(job),
        [this, finish = std::move(finish)](JobRunner::End end, std::optional<Outcome> outcome,
                                           const QString& error) mutable {
            auto ended = outcomeOf(end, std::move(outcome), error);
            showEnd(ended.ending, ended.message);
            finish(std::move(ended));
        });
    assert(started);
}

template <typename Outcome>
Outcome RunSession::outcomeOf(JobRunner::End end, std::optional<Outcome> outcome,
                              const QString& error) const {
    // Only a job that threw returns nothing.
    if (!outcome) {
        return Outcome::failed(failureText(error));
    }
    if (end == JobRunner::End::Stopped && !outcome->finished()) {
        return Outcome::stopped();
    }
    return std::move(*outcome);
}

}  // namespace undertext::ui
