#pragma once

#include <filesystem>
#include <string>

#include <QWidget>

#include "common/core/job_events.h"
#include "common/ui/run/run_session.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/open_file_action.h"
#include "common/ui/widgets/single_window.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/ui/echoscan_window_controls.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::ui {
class Dialogs;
}

namespace undertext::echoscan {

// The program's application title, carried by its information boxes.
inline constexpr const char* kApplicationTitle = "Echoscan";

// The main window of Echoscan: the source text, the language, the range of
// fragment lengths, the search with its progress, stop and exit, and the list of
// the prepared text and reports. The search runs on a worker thread through the
// window's run session; its events come back to the GUI thread. Closing the
// window while a run is under way asks first, and a confirmed exit waits for the
// job to stop so that no report is left half written. GUI thread only; dialogs
// must outlive the window.
class EchoscanWindow final : public QWidget, private JobEvents {
    Q_OBJECT

  public:
    // job is echoscanJob, or a substitute in tests; it runs on the worker thread
    // under the contract of echoscanJob.
    EchoscanWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                   JobFunction<EchoscanRequest, EchoscanOutcome> job = echoscanJob,
                   QWidget* parent = nullptr);

    // The rest of start-up once the window exists: Echoscan has no dictionary to
    // check, so the window is shown.
    void startUp();
    // A text given on the command line, taken as if chosen in the open dialog.
    void openGivenText(const std::filesystem::path& file) { openFile_.openGiven(file); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectActions();

    void startRun();
    // The length range of the last run that passed its check, kept between starts.
    void restoreRange();
    void rememberRange();
    void askStop();
    void finishRun(const EchoscanOutcome& outcome);
    // The controls a run locks: the inputs of a run stay as they were while it goes on.
    void enableRunButtons(bool enabled);
    EchoscanRequest currentRequest() const;

    // JobEvents of the search
    void progress(int percent) override;
    void showResultFiles(const ResultFiles& files) override;
    void showWaiting(const std::string& reason) override;

    void showAbout();

    std::filesystem::path startFolder_;
    ui::Dialogs& dialogs_;
    JobFunction<EchoscanRequest, EchoscanOutcome> job_;
    EchoscanWindowControls controls_;
    ui::OpenFileAction openFile_;
    ui::ReportViewers viewers_;
    ui::RunSession run_;
    ui::SingleWindow<ui::AboutWindow> about_;
};

}  // namespace undertext::echoscan
