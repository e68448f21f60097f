#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QString>
#include <QWidget>

#include "common/ui/about_window.h"
#include "common/ui/job_runner.h"
#include "common/ui/open_file_action.h"
#include "common/ui/progress_display.h"
#include "common/ui/run_guard.h"
#include "common/ui/single_window.h"
#include "echoscan/core/fragment_search_job.h"

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

// The main window Form1 of Echoscan: the source text, the language, the range of
// fragment lengths, the search with its progress, stop and exit, and the list of
// the prepared text and reports. The search runs on a worker thread (JobRunner);
// its window effects come back through the runner to the GUI thread. Closing the
// window while a run is under way asks first, and a confirmed exit waits for the
// job to stop so that no report is left half written. GUI thread only; dialogs
// must outlive the window.
class Form1 final : public QWidget {
    Q_OBJECT

  public:
    Form1(ui::Dialogs& dialogs, std::filesystem::path startFolder, QWidget* parent = nullptr);
    ~Form1() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    class ShownName;

    void buildLayout();
    void connectEvents();

    void startSearch();
    void askStop();
    void enableRunButtons(bool enabled);
    void showResultFiles(const QString& pattern);
    void searchFinished(ui::JobRunner::End end, const QString& error);
    FragmentSearchWindow windowEffects();

    ui::Dialogs& dialogs_;
    std::filesystem::path startFolder_;

    QLabel* label1_;
    ui::ClickableLabel* label9_;
    QComboBox* combo1_;
    QComboBox* combo2_;
    ui::DoubleClickLineEdit* text1_;
    ui::LanguageOptions* options_;
    ui::ResultFileList* file2_;
    ui::ProgressDisplay progress_;
    QPushButton* command5_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;

    ui::JobRunner* runner_;
    ui::RunGuard guard_;
    ui::OpenFileAction openFile_;
    ui::SingleWindow<ui::AboutWindow> about_;

    // Text1's name as the job may read it from its own thread at its last step.
    std::shared_ptr<ShownName> shownName_;
    // How the current run ended, written by the job before the runner's finished.
    std::shared_ptr<std::optional<FragmentSearchEnd>> outcome_;
};

}  // namespace undertext::echoscan
