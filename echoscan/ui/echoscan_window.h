#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include <QString>
#include <QWidget>

#include "common/core/job_events.h"
#include "common/ui/run/job_runner.h"
#include "common/ui/run/run_controls.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/single_window.h"
#include "echoscan/core/echoscan_job.h"
#include "viewer/ui/report_viewer.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace undertext::ui {
class ClickableLabel;
class Dialogs;
class DoubleClickLineEdit;
class LanguageOptions;
class ResultFileList;
}  // namespace undertext::ui

namespace undertext::echoscan {

// The program's application title, carried by its information boxes.
inline constexpr const char* kApplicationTitle = "Echoscan";
inline constexpr const char* kWindowTitle = "Поиск повторяющихся фрагментов текста";
// Shown when the search job itself throws, which it should never do.
inline constexpr const char* kUnexpectedFailureMessage = "Поиск прерван из-за ошибки: ";

// The search a run performs: echoscanJob, or a substitute in tests. It runs on the
// worker thread under the contract of echoscanJob.
using SearchJob = std::function<EchoscanOutcome(const EchoscanRequest&, JobControl&)>;

// The main window of Echoscan (object name Form1): the source text, the language,
// the range of fragment lengths, the search with its progress, stop and exit, and
// the list of the prepared text and reports. The search runs on a worker thread
// (JobRunner); its events come back through the runner to the GUI thread.
// Closing the window while a run is under way asks first, and a confirmed exit
// waits for the job to stop so that no report is left half written. GUI thread
// only; dialogs must outlive the window.
class EchoscanWindow final : public QWidget, private JobEvents {
    Q_OBJECT

  public:
    EchoscanWindow(ui::Dialogs& dialogs, std::filesystem::path startFolder,
                   SearchJob searchJob = echoscanJob, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void connectEvents();

    void startSearch();
    void askStop();
    void searchFinished(ui::JobRunner::End end, std::optional<EchoscanOutcome> outcome,
                        const QString& error);

    // JobEvents of the search
    void progress(int percent) override;
    void enableRunButtons(bool enabled);
    void showResultFiles(const ResultFiles& files) override;

    ui::Dialogs& dialogs_;
    std::filesystem::path startFolder_;
    SearchJob searchJob_;

    QLabel* heading_;                     // Label1
    ui::ClickableLabel* version_;         // Label9
    QComboBox* minLength_;                // Combo1
    QComboBox* maxLength_;                // Combo2
    ui::DoubleClickLineEdit* sourceBox_;  // Text1
    ui::EncodingChooser* encoding_;       // the text's encoding, beside its name
    ui::LanguageOptions* language_;       // Option1, Option2
    ui::ResultFileList* results_;         // File2
    ui::ProgressDisplay progress_;        // ProgressBar1, Label2
    QPushButton* openFileButton_;         // Command5
    ui::ReportViewers viewers_;
    ui::RunControls run_;  // Command1 to Command3 and the search's runner
    ui::SingleWindow<ui::AboutWindow> about_;
};

}  // namespace undertext::echoscan
