#pragma once

#include <filesystem>
#include <string>

#include <QWidget>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/job_events.h"
#include "common/ui/run/run_session.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/module_chooser.h"
#include "common/ui/widgets/open_file_action.h"
#include "common/ui/widgets/single_window.h"
#include "embed/core/embed_job.h"
#include "embed/ui/embed_window_controls.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::ui {
class Dialogs;
}

namespace undertext::embed {

// The main window of Embed: the source file, language and modules, the search
// with its progress, stop and exit, and the list of report files. The search runs
// on a worker thread through the window's run session; the window stays
// responsive and holds the job while a stop or exit question is open. Closing the
// window after a confirmed exit closes the About window and the module chooser
// too. GUI thread only; dialogs must outlive the window.
class EmbedWindow final : public QWidget, private JobEvents {
    Q_OBJECT

  public:
    // job is embedJob, or a substitute in tests; it runs on the worker thread
    // under the contract of embedJob.
    EmbedWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                JobFunction<EmbedRequest, EmbedOutcome> job = embedJob, QWidget* parent = nullptr);

    // The rest of start-up once the window exists: the module check (the About
    // window, then the warning), the window shown, and the About window brought to
    // the front when the warning was given.
    void startUp();
    // A text given on the command line, taken as if chosen in the open dialog.
    void openGivenText(const std::filesystem::path& file) { openFile_.openGiven(file); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectActions();

    void startRun();
    void askStop();
    void finishRun(const EmbedOutcome& outcome);
    // The controls a run locks.
    void enableRunButtons(bool enabled);
    EmbedRequest currentRequest() const;

    // JobEvents of the search
    void progress(int percent) override;
    void showResultFiles(const ResultFiles& files) override;
    void showWaiting(const std::string& reason) override;

    void showChooser();
    void showAbout();

    std::filesystem::path startFolder_;
    ui::Dialogs& dialogs_;
    JobFunction<EmbedRequest, EmbedOutcome> job_;
    DefaultModules defaults_;
    EmbedWindowControls controls_;
    ui::OpenFileAction openFile_;
    ui::ReportViewers viewers_;
    ui::RunSession run_;
    ui::SingleWindow<ui::AboutWindow> about_;
    ui::SingleWindow<ui::ModuleChooser> chooser_;
};

}  // namespace undertext::embed
