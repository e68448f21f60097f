#include "common/ui/run/search_end.h"

#include <QLabel>
#include "common/ui/app/shown_message.h"

#include "common/ui/run/run_session.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"

namespace undertext::ui {

void showSearchBegins(ProgressDisplay& progress, ResultFileList& results) {
    progress.beginRun();
    results.startRun();
}

void showSearchWaiting(ProgressDisplay& progress, const std::string& reason) {
    progress.label()->setText(shownMessage(reason));
}

void askSearchStop(RunSession& run, ProgressDisplay& progress) {
    const bool underWay = run.underWay();
    if (run.askStop() == RunGuard::StopAnswer::Yes && underWay) {
        progress.showStopped();
    }
}

void showSearchEnd(JobEnding ending, ProgressDisplay& progress, ResultFileList& results,
                   std::size_t replacedBytes) {
    switch (ending) {
        case JobEnding::Completed:
        case JobEnding::NothingFound:
            progress.show(100);
            progress.addRemark(replacedBytesText(replacedBytes));
            results.reread();
            return;
        case JobEnding::Stopped:
            progress.showStopped();
            results.reread();
            return;
        case JobEnding::Refused:
            results.cancelRun();
            return;
        case JobEnding::Failed:
            return;
    }
}

}  // namespace undertext::ui
