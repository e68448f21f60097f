#include "common/core/files/report_set_writer.h"

#include <string>
#include <utility>

#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext {
namespace {

constexpr const char* kStoppedReason = UNDERTEXT_TRANSLATABLE("CoreMessage", "Запись остановлена.");

std::string partlyPlacedMessage(const std::string& failure, std::size_t placed, std::size_t total) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage",
                               "%1 Новыми заменено файлов: %2 из %3; остальные остались прежними."),
        {failure, std::to_string(placed), std::to_string(total)});
}

}  // namespace

ReportSetWriter::ReportSetWriter(std::function<bool()> stopRequested)
    : stopRequested_(std::move(stopRequested)) {}

ReportSetWriter::~ReportSetWriter() {
    abandon();
}

WholeFileWriter& ReportSetWriter::add(const std::filesystem::path& target,
                                      const TextEncoder& encoder) {
    files_.push_back(std::make_unique<WholeFileWriter>(target, encoder));
    return *files_.back();
}

bool ReportSetWriter::checkStop(std::uint64_t bytes) {
    sinceStopCheck_ += bytes;
    if (sinceStopCheck_ >= kStopCheckBytes) {
        sinceStopCheck_ = 0;
        if (stopRequested_ && stopRequested_()) {
            stopped_ = true;
        }
    }
    return !stopped_;
}

bool ReportSetWriter::append(WholeFileWriter& file, std::string_view piece) {
    if (stopped_) {
        return false;
    }
    // Written in stretches so that even one huge piece is stopped between them.
    while (!piece.empty()) {
        const auto stretch = piece.substr(0, kStopCheckBytes);
        if (!file.append(stretch) || !checkStop(stretch.size())) {
            return false;
        }
        piece.remove_prefix(stretch.size());
    }
    return true;
}

bool ReportSetWriter::write(const std::filesystem::path& target, std::string_view content,
                            const TextEncoder& encoder) {
    return append(add(target, encoder), content);
}

Status ReportSetWriter::commit() {
    if (stopped_) {
        abandon();
        return Status::failure(kStoppedReason);
    }
    for (auto& file : files_) {
        file->startWriteBack();
    }
    for (auto& file : files_) {
        if (auto finished = file->finish(); !finished) {
            abandon();
            return finished;
        }
    }
    // Renames cannot replace several files as one step: they come last, one right
    // after another once everything is written and synced, so only a rename failing
    // midway (which hardly happens once the temporary files are in the same
    // folders) leaves a mixed set, and then the message says so.
    for (std::size_t placed = 0; placed < files_.size(); ++placed) {
        if (auto done = files_[placed]->place(); !done) {
            abandon();
            if (placed == 0) {
                return done;
            }
            return Status::failure(partlyPlacedMessage(done.error(), placed, files_.size()));
        }
    }
    files_.clear();
    return Status::success();
}

void ReportSetWriter::abandon() {
    for (auto& file : files_) {
        file->abandon();
    }
    files_.clear();
}

}  // namespace undertext
