#pragma once

#include <filesystem>

#include <functional>

#include "common/ui/run/job_runner.h"
#include "common/ui/run/run_guard.h"
#include "common/ui/widgets/open_file_action.h"

class QPushButton;
class QWidget;

namespace undertext::ui {

class Dialogs;

// The run controls of a window that searches one source text (Embed, Echoscan):
// the start, stop and exit buttons, the runner of the search job with its stop and
// exit questions and the open-file action; openReport opens a report the result
// list hands on. The exit button closes the window; the window connects start and
// stop itself. The buttons are created here, so the window makes this member
// where they belong in its tab order. GUI thread only; dialogs, events and the
// target controls must outlive the controls.
struct RunControls {
    // The open-file action fills targets, with the start button as its primary
    // button; reportPattern is the result list's pattern after the file's name.
    RunControls(QWidget& window, JobEvents& events, Dialogs& dialogs,
                const std::filesystem::path& startFolder, const char* reportPattern,
                OpenFileTargets targets,
                std::function<void(const std::filesystem::path&)> openReport);

    QPushButton* const startButton;  // Command1
    QPushButton* const stopButton;   // Command2
    QPushButton* const exitButton;   // Command3
    JobRunner runner;
    RunGuard guard;
    OpenFileAction openFile;
};

}  // namespace undertext::ui
