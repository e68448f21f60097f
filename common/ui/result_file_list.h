#pragma once

#include <filesystem>

#include <QListWidget>
#include <QString>

#include "common/core/job_events.h"

namespace undertext::ui {

class Dialogs;

// The pattern of the result list before a source is chosen; it matches nothing.
inline constexpr const char* kNoFilePattern = "no file at all";

// The result-file list File2: the files of a folder whose names match a pattern
// (letter case ignored), by name. A double-click opens the entry in the text
// viewer, also while a job runs. GUI thread only; dialogs must outlive the list.
class ResultFileList final : public QListWidget {
    Q_OBJECT

  public:
    ResultFileList(Dialogs& dialogs, QWidget* parent = nullptr);

    // Points the list at folder with pattern and reads the folder.
    void point(const std::filesystem::path& folder, const QString& pattern);
    // Reads the folder again, for files written since.
    void reread();
    // Shows the files a job names, in the same folder; shownName is the source name
    // the window shows, for files that name no source of their own.
    void showJobFiles(const ResultFiles& files, const QString& shownName);

    const std::filesystem::path& folder() const { return folder_; }
    const QString& pattern() const { return pattern_; }

  private:
    void openEntry(QListWidgetItem* item);

    Dialogs& dialogs_;
    std::filesystem::path folder_;
    QString pattern_;
};

}  // namespace undertext::ui
