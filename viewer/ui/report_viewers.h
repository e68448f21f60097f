#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QPointer>

#include "viewer/ui/report_program.h"

class QWidget;

namespace undertext::ui {

class Dialogs;
class ReportViewer;
class SummaryViewer;

// The viewers of one program: one window per report or corpus summary; asking
// again for an open one brings its window to the front. A new window opens over the middle of
// the main window, within the screen. Exports start in the export folder that
// startFolder keeps. dialogs must outlive the set.
class ReportViewers {
  public:
    ReportViewers(ReportProgram program, Dialogs& dialogs, std::filesystem::path startFolder);

    ReportViewer* open(const std::filesystem::path& report, QWidget* mainWindow);
    // A corpus summary's viewer; the occurrences of fragments across texts are
    // found as the program finds them when its summaries are of fragments.
    SummaryViewer* openSummary(const std::filesystem::path& summary, QWidget* mainWindow);
    // True when the file starts as a corpus summary does.
    static bool isSummary(const std::filesystem::path& file);
    // The suffix of the program's report that ends name (letter case ignored), or
    // empty.
    std::string reportSuffix(std::string_view name) const;
    // The name suffixes of all the program's reports.
    std::vector<std::string> reportSuffixes() const;

  private:
    ReportProgram program_;
    Dialogs& dialogs_;
    std::filesystem::path startFolder_;
    // Makes the window of path unless it is open, and brings it to the front.
    QWidget* show(const std::filesystem::path& path, QWidget* mainWindow,
                  const std::function<QWidget*()>& make);

    std::map<std::filesystem::path, QPointer<QWidget>> open_;
};

}  // namespace undertext::ui
