#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include <QString>
#include <QWidget>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/job_control.h"
#include "common/core/job_events.h"
#include "common/ui/run/job_runner.h"
#include "common/ui/run/run_controls.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/module_chooser.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/single_window.h"
#include "embed/core/embed_job.h"
#include "viewer/ui/report_viewer.h"

class QListWidget;
class QPushButton;

namespace undertext::ui {
class Dialogs;
class DoubleClickLineEdit;
class LanguageOptions;
class ResultFileList;
}  // namespace undertext::ui

namespace undertext::embed {

// The search a run performs: embedJob, or a substitute in tests. It runs on the
// worker thread under the contract of embedJob.
using SearchJob = std::function<EmbedOutcome(const EmbedRequest&, JobControl&)>;

// The main window of Embed (object name Form1): the source file, language and
// modules, the search with its progress, stop and exit, and the list of report
// files. The search runs on a worker thread (JobRunner); the window stays
// responsive and holds the job while a stop or exit question is open. Closing the
// window after a confirmed exit closes the About window and the module chooser
// too. GUI thread only; dialogs must outlive the window.
class EmbedWindow final : public QWidget, private JobEvents {
    Q_OBJECT

  public:
    EmbedWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                SearchJob searchJob = embedJob, QWidget* parent = nullptr);

    // The rest of start-up once the window exists: the module check (the About
    // window, then the warning), the window shown, and the About window brought to
    // the front when the warning was given.
    void startUp();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void arrangeControls();
    void connectActions();

    void startSearch();
    void requestStop();
    void finishRun(ui::JobRunner::End end, std::optional<EmbedOutcome> outcome,
                   const QString& error);
    void showOutcome(const EmbedOutcome& outcome);
    // A run refused or ended by a message: the buttons come back, busy stays set.
    void endByMessage(const QString& text);
    void setRunButtonsEnabled(bool enabled);

    // JobEvents of the search
    void progress(int percent) override;
    void showResultFiles(const ResultFiles& files) override;

    void showChooser();
    void showAbout();
    // SourceFolder for the paths of a run; StartFolder while no file was chosen.
    std::filesystem::path runFolder() const;

    std::filesystem::path startFolder_;
    ui::Dialogs& dialogs_;
    SearchJob searchJob_;
    DefaultModules defaults_;

    ui::DoubleClickLineEdit* sourceBox_;  // Text1
    ui::EncodingChooser* encoding_;       // the text's encoding, beside its name
    QListWidget* moduleList_;             // List1
    ui::ResultFileList* results_;         // File2
    ui::LanguageOptions* language_;       // Option1, Option2
    ui::ProgressDisplay progress_;        // ProgressBar1, Label2
    QPushButton* addModulesButton_;       // Command5
    QPushButton* openFileButton_;         // Command6
    ui::ReportViewers viewers_;
    ui::RunControls run_;  // Command1 to Command3 and the search's runner
    ui::SingleWindow<ui::AboutWindow> about_;
    ui::SingleWindow<ui::ModuleChooser> chooser_;
};

}  // namespace undertext::embed
