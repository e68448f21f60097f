#include "viewer/ui/report_viewers.h"

#include <algorithm>
#include <utility>

#include <QScreen>

#include "common/core/files/file_names.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::ui {
namespace {

// Places a new viewer over the middle of its main window, within the screen.
void placeOver(QWidget& viewer, const QWidget& mainWindow) {
    QRect frame(QPoint(0, 0), viewer.size());
    frame.moveCenter(mainWindow.window()->frameGeometry().center());
    const QRect screen = mainWindow.screen()->availableGeometry();
    constexpr int kTitleBar = 40;
    frame.moveLeft(std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width())));
    frame.moveTop(std::max(screen.top(),
                           std::min(frame.top(), screen.bottom() - frame.height() - kTitleBar)));
    viewer.move(frame.topLeft());
}

}  // namespace

ReportViewers::ReportViewers(ReportProgram program, Dialogs& dialogs,
                             std::filesystem::path startFolder)
    : program_(std::move(program)), dialogs_(dialogs), startFolder_(std::move(startFolder)) {}

std::string ReportViewers::reportSuffix(std::string_view name) const {
    for (const auto& suffix : reportSuffixes()) {
        if (name.size() > suffix.size() &&
            sameNameIgnoringCase(name.substr(name.size() - suffix.size()), suffix)) {
            return suffix;
        }
    }
    return {};
}

std::vector<std::string> ReportViewers::reportSuffixes() const {
    auto suffixes = program_.sortedSuffixes;
    suffixes.insert(suffixes.end(), program_.otherSuffixes.begin(), program_.otherSuffixes.end());
    return suffixes;
}

ReportViewer* ReportViewers::open(const std::filesystem::path& report, QWidget* mainWindow) {
    auto& viewer = open_[report];
    if (viewer.isNull()) {
        viewer = new ReportViewer(report, reportSuffix(report.filename().string()), program_,
                                  dialogs_, startFolder_, mainWindow);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        if (mainWindow != nullptr && mainWindow->isVisible()) {
            placeOver(*viewer, *mainWindow);
        }
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer.data();
}

}  // namespace undertext::ui
