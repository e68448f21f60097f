#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include <QPointer>

#include "viewer/ui/report_program.h"

class QWidget;

namespace undertext::ui {

class Dialogs;
class ReportViewer;

// The viewers of one program: one window per report; asking again for an open
// report brings its window to the front. A new window opens over the middle of
// the main window, within the screen. dialogs must outlive the set.
class ReportViewers {
  public:
    ReportViewers(ReportProgram program, Dialogs& dialogs);

    ReportViewer* open(const std::filesystem::path& report, QWidget* mainWindow);
    // The suffix of the program's report that ends name (letter case ignored), or
    // empty.
    std::string reportSuffix(std::string_view name) const;

  private:
    ReportProgram program_;
    Dialogs& dialogs_;
    std::map<std::filesystem::path, QPointer<ReportViewer>> open_;
};

}  // namespace undertext::ui
