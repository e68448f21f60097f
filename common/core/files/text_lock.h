#pragma once

#include <filesystem>
#include <functional>
#include <utility>

#include "common/core/job_control.h"
#include "common/core/messages/translatable.h"

namespace undertext {

// An exclusive lock on a text, held for one run, so that two runs on the same
// text never write its set of reports at the same time. The lock is an flock on
// the text file itself: it needs no file of its own (nothing to create, mark or
// sweep), it ends with the process however that ends, and reading the text is
// not hindered. A text that cannot be opened, or is no regular file (a pipe), is
// not locked: the run reports the text's own problem, or has nothing to share.
class TextLock {
  public:
    explicit TextLock(const std::filesystem::path& text);
    ~TextLock();
    TextLock(const TextLock&) = delete;
    TextLock& operator=(const TextLock&) = delete;

    // Takes the lock if no other run holds it; true when held (or nothing to lock).
    bool tryLock();
    // Waits for the lock, asking stopRequested every 100 ms; false when stopped.
    bool waitForLock(const std::function<bool()>& stopRequested);

  private:
    int fd_ = -1;
    bool held_ = false;
};

inline constexpr const char* kOtherRunWaitingText =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Другой поиск по этому тексту ещё идёт…");

// Takes lock for a job: while another run holds it, the job tells control why it
// waits (kOtherRunWaitingText) and waits, looking at control's stop point every
// 100 ms. False when stopped before the lock was taken.
bool waitForTextLock(TextLock& lock, JobControl& control);

// Runs job(control) holding the lock on text, waited for as waitForTextLock does;
// a stop during the wait ends the run as stopped, with nothing written.
template <typename Outcome, typename Job>
Outcome runHoldingTextLock(const std::filesystem::path& text, JobControl& control, Job&& job) {
    TextLock lock(text);
    if (!waitForTextLock(lock, control)) {
        return Outcome::stopped();
    }
    return std::forward<Job>(job)(control);
}

}  // namespace undertext
