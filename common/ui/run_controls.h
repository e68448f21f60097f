#pragma once

#include <filesystem>

#include "common/ui/job_runner.h"
#include "common/ui/open_file_action.h"
#include "common/ui/report_viewer.h"
#include "common/ui/run_guard.h"

class QPushButton;
class QWidget;

namespace undertext::ui {

class Dialogs;

// The run controls of a window that searches one source text (Embed, Echoscan):
// the start, stop and exit buttons, the runner of the search job with its stop and
// exit questions, the open-file action and the viewers of the reports the result
// list opens. The exit button closes the window; the window connects start and
// stop itself. The buttons are created here, so the window makes this member
// where they belong in its tab order. GUI thread only; dialogs, events and the
// target controls must outlive the controls.
struct RunControls {
    // The open-file action fills targets, with the start button as its primary
    // button; reportPattern is the result list's pattern after the file's name.
    RunControls(QWidget& window, JobEvents& events, Dialogs& dialogs,
                const std::filesystem::path& startFolder, const char* reportPattern,
                OpenFileTargets targets, ReportProgram reportProgram);

    QPushButton* const startButton;  // Command1
    QPushButton* const stopButton;   // Command2
    QPushButton* const exitButton;   // Command3
    JobRunner runner;
    RunGuard guard;
    OpenFileAction openFile;
    ReportViewers viewers;
};

}  // namespace undertext::ui
