#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QListWidget>
#include <QString>

#include "common/core/job_events.h"

namespace undertext::ui {

// The pattern of the result list before a source is chosen; it matches nothing.
inline constexpr const char* kNoFilePattern = "no file at all";

// The result-file list: the files of a folder whose names match a pattern
// (letter case ignored), by name. Once the program's report suffixes are set, only
// its reports are listed: a matching name must end in one of them, and the suffix
// must take in all that the pattern's wildcards matched, so that the name is the
// source's name and a suffix ("a.txt_EmbSortByFriq.txt" for "a.txt_emb*.*", but
// not an export such as "a.txt_EmbSortByFriq.txt.csv" or "a.txt_EmbSortByFriq.csv").
// Once a run starts it shows only the files written since, so reports an earlier
// run left on disk are not taken for this run's; choosing a source shows all of its
// reports again. A double-click or Enter on the selected entry hands it to the
// opener, also while a job runs. GUI thread only.
class ResultFileList final : public QListWidget {
    Q_OBJECT

  public:
    explicit ResultFileList(QWidget* parent = nullptr);

    // Points the list at folder with pattern and reads the folder, every file.
    void point(const std::filesystem::path& folder, const QString& pattern);
    // A run starts: the list empties and from now on shows only files written
    // since.
    void startRun();
    // A run refused before it wrote anything: every file shows again.
    void cancelRun();
    // Reads the folder again, for files written since.
    void reread();
    // The name suffixes of the program's reports ("_Emb.txt"), letter case ignored.
    void setReportSuffixes(std::vector<std::string> suffixes);
    // Shows the files a job names, in the same folder; shownName is the source name
    // the window shows, for files that name no source of their own.
    void showJobFiles(const ResultFiles& files, const QString& shownName);

    // What opening an entry does with the entry's full path.
    void setOpener(std::function<void(const std::filesystem::path&)> opener) {
        opener_ = std::move(opener);
    }

    const std::filesystem::path& folder() const { return folder_; }
    const QString& pattern() const { return pattern_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void openEntry(QListWidgetItem* item);
    bool writtenThisRun(const std::filesystem::path& file) const;

    std::filesystem::path folder_;
    QString pattern_;
    std::optional<std::filesystem::file_time_type> runStart_;
    std::vector<std::string> reportSuffixes_;
    std::function<void(const std::filesystem::path&)> opener_;
};

}  // namespace undertext::ui
