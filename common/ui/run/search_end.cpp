#include "common/ui/run/search_end.h"

#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"

namespace undertext::ui {

void showSearchEnd(JobEnding ending, ProgressDisplay& progress, ResultFileList& results) {
    switch (ending) {
        case JobEnding::Completed:
        case JobEnding::NothingFound:
            progress.show(100);
            results.reread();
            return;
        case JobEnding::Stopped:
            progress.show(0);
            results.reread();
            return;
        case JobEnding::Refused:
        case JobEnding::Failed:
            return;
    }
}

}  // namespace undertext::ui
