#pragma once

#include <filesystem>

#include <QPointer>
#include <QWidget>

#include "common/core/text/letters.h"
#include "viewer/ui/report_viewers.h"

namespace undertext::ui {

class Dialogs;

// The viewer program: the file given on its command line opens in the window
// that shows it, a corpus summary in the summary viewer, a report of Embed or
// Echoscan (told by its name's suffix) in the report viewer with that program's
// reports and occurrences, in the language guessed from the report's source. No
// file, a missing one or one of another kind is said in a message box, and the
// program then ends with status 1. GUI thread only; dialogs must outlive it.
class ViewerProgram {
  public:
    ViewerProgram(const std::filesystem::path& startFolder, Dialogs& dialogs);

    void openGivenText(const std::filesystem::path& file);
    // Ends the program with status 1, once its event loop runs, when no window opened.
    void startUp();
    // The viewer opened, or null.
    QWidget* openedWindow() const { return opened_.data(); }

  private:
    // The message for a file that opens no viewer, or empty when one opened.
    QString open(const std::filesystem::path& file);

    Dialogs& dialogs_;
    Language language_ = Language::Russian;
    ReportViewers embedViewers_;
    ReportViewers echoscanViewers_;
    QPointer<QWidget> opened_;
    bool fileGiven_ = false;
};

}  // namespace undertext::ui
