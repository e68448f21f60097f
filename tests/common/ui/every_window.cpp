#include "tests/common/ui/every_window.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QListWidget>

#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/module_chooser.h"
#include "create/ui/create_window.h"
#include "create/ui/request_window.h"
#include "echoscan/ui/echoscan_report_program.h"
#include "echoscan/ui/echoscan_window.h"
#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance_table.h"
#include "embed/ui/embed_object_names.h"
#include "embed/ui/embed_report_program.h"
#include "embed/ui/embed_window.h"
#include "viewer/ui/report_viewer.h"
#include "viewer/ui/summary_viewer.h"

namespace undertext::ui {

std::vector<std::unique_ptr<QWidget>> makeEveryWindow(const testing::TempFolder& start,
                                                      ScriptedDialogs& dialogs) {
    std::vector<std::unique_ptr<QWidget>> windows;
    auto embed = std::make_unique<embed::EmbedWindow>(start.path(), dialogs);
    auto* list = embed->findChild<QListWidget*>(QString::fromLatin1(embed::names::kModuleList));
    windows.push_back(std::make_unique<ModuleChooser>(start.path(), list, nullptr));
    windows.push_back(std::move(embed));
    windows.push_back(std::make_unique<echoscan::EchoscanWindow>(start.path(), dialogs));
    windows.push_back(std::make_unique<create::CreateWindow>(start.path(), dialogs));
    windows.push_back(std::make_unique<create::RequestWindow>());
    windows.push_back(std::make_unique<AboutWindow>(
        QCoreApplication::translate("AboutWindow", kCreateDescription)));
    // The report viewer with its table, the largest of its pages, with the
    // significance columns and filter, and with the note of a broken file.
    const std::pair<const char*, std::string> significanceFiles[] = {
        {"a.txt", embed::significanceTsv({})}, {"b.txt", "broken"}};
    for (const auto& [text, significance] : significanceFiles) {
        start.write(text + std::string(embed::kSignificanceSuffix), significance);
        const auto report = start.write(text + std::string(embed::kByFrequencySuffix), "");
        windows.push_back(std::make_unique<ReportViewer>(
            report, embed::kByFrequencySuffix,
            embed::embedReportProgram([] { return Language::Russian; }), dialogs, start.path(),
            nullptr));
    }
    // The summary viewer across texts: its table, chart and occurrences.
    start.write("across.tsv", "fragment\ttotal\ttexts\tlength\texpected\tratio\tq\n");
    start.write("across.by-text.tsv", "text\tfragment\tcount\tfirst_position\n");
    windows.push_back(std::make_unique<SummaryViewer>(
        start / "across.tsv",
        echoscan::echoscanReportProgram([] { return Language::Russian; }).makeFinder, dialogs,
        start.path(), nullptr));
    // The file dialog as Qt draws it where the desktop offers none of its own.
    auto dialog = std::make_unique<QFileDialog>(nullptr, QStringLiteral("Open File"),
                                                QString::fromStdString(start.path().string()));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    windows.push_back(std::move(dialog));
    return windows;
}

}  // namespace undertext::ui
