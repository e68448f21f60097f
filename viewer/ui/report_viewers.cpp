#include "viewer/ui/report_viewers.h"

#include <algorithm>
#include <utility>

#include <QFile>
#include <QScreen>

#include "common/core/files/file_names.h"
#include "viewer/ui/report_viewer.h"
#include "viewer/ui/summary_viewer.h"

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
    return qobject_cast<ReportViewer*>(show(report, mainWindow, [&]() -> QWidget* {
        return new ReportViewer(report, reportSuffix(report.filename().string()), program_,
                                dialogs_, startFolder_, mainWindow);
    }));
}

SummaryViewer* ReportViewers::openSummary(const std::filesystem::path& summary,
                                          QWidget* mainWindow) {
    return qobject_cast<SummaryViewer*>(show(summary, mainWindow, [&]() -> QWidget* {
        return new SummaryViewer(summary,
                                 program_.summaryTerms == SummaryTerms::Fragments
                                     ? program_.makeFinder
                                     : OccurrenceFinderMaker{},
                                 dialogs_, startFolder_, mainWindow);
    }));
}

bool ReportViewers::isSummary(const std::filesystem::path& file) {
    constexpr qint64 kHeaderRoom = 4096;
    QFile start(QString::fromStdString(file.string()));
    return start.open(QIODevice::ReadOnly) &&
           isSummaryHeader(start.read(kHeaderRoom).toStdString());
}

QWidget* ReportViewers::show(const std::filesystem::path& path, QWidget* mainWindow,
                             const std::function<QWidget*()>& make) {
    auto& viewer = open_[path];
    if (viewer.isNull()) {
        viewer = make();
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
