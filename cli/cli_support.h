#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/core/files/report_size_approval.h"
#include "common/core/files/text_lock.h"
#include "common/core/job_control.h"
#include "common/core/stop_signals.h"
#include "common/core/text/text_encoding.h"

namespace undertext::cli {

// Exit statuses of every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // the job refused, or a file could not be read or written
inline constexpr int kExitUsage = 2;

// Decodes a text's bytes as a job will, taking them over, and says on standard
// error which encoding the file is in and how many invalid bytes were replaced.
DecodedText decodeSourceText(const std::filesystem::path& file, std::string&& bytes,
                             std::optional<TextEncoding> forced);

// Prints "undertext: " + message to standard error (UTF-8, made visible).
void printError(const std::string& message);

// Approves a set of reports up to maxBytes (0: any size) and refuses a larger one
// with a message naming its size and the option that allows it.
ReportSizeApproval reportSizeLimit(std::uint64_t maxBytes);

// How taking a text's lock for a run ended: taken, held by another run and not
// waited for, or a stop came while waiting.
enum class TextLocking { Taken, Busy, Stopped };

// Takes the lock at once, or, with wait, once another run on the text has ended
// (waiting is called as the wait begins), until a stop.
TextLocking takeTextLock(TextLock& lock, bool wait, const std::function<void()>& waiting = {});

// Takes the lock on the text for this run: at once, or, with wait, once another
// run on it has ended. False, with the reason printed, when another run holds it
// and wait is not asked for, or when a stop came while waiting.
bool lockForRun(TextLock& lock, const std::filesystem::path& text, bool wait);

// Why the module folder cannot be used: "no folder DIR", or that it cannot be
// read and why. nullopt when it can be listed.
std::optional<std::string> moduleFolderProblem(const std::filesystem::path& folder);

// Flushes standard output. When something written there was lost (a full disk),
// says so on standard error and turns success into status 1; returns the status.
int finishStandardOutput(int status);

// The message shown when memory runs out from here on: what is being worked on.
void blameOutOfMemoryOn(std::string message);
const std::string& outOfMemoryBlame();

// Shows a job's progress as a bar on standard error when it is a terminal, and
// nothing otherwise. The job stops at its next stop point once a stop signal has
// arrived (see installStopSignals).
class TerminalProgress final : public JobControl {
  public:
    TerminalProgress();
    ~TerminalProgress() override;
    void progress(int percent) override;
    bool stopPoint() override { return stopRequested(); }

  private:
    bool enabled_;
    int shown_ = -1;
};

}  // namespace undertext::cli
