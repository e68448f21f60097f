#pragma once

#include <filesystem>
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

// The viewers of one program: one window per report; asking again for an open
// report brings its window to the front. A new window opens over the middle of
// the main window, within the screen. Exports start in the export folder that
// startFolder keeps. dialogs must outlive the set.
class ReportViewers {
  public:
    ReportViewers(ReportProgram program, Dialogs& dialogs, std::filesystem::path startFolder);

    ReportViewer* open(const std::filesystem::path& report, QWidget* mainWindow);
    // The suffix of the program's report that ends name (letter case ignored), or
    // empty.
    std::string reportSuffix(std::string_view name) const;
    // The name suffixes of all the program's reports.
    std::vector<std::string> reportSuffixes() const;

  private:
    ReportProgram program_;
    Dialogs& dialogs_;
    std::filesystem::path startFolder_;
    std::map<std::filesystem::path, QPointer<ReportViewer>> open_;
};

}  // namespace undertext::ui
