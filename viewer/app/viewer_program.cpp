#include "viewer/app/viewer_program.h"

#include <new>
#include <string>
#include <system_error>

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include "common/core/files/file_io.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/app/dialogs.h"
#include "echoscan/ui/echoscan_report_program.h"
#include "embed/ui/embed_report_program.h"
#include "viewer/core/source_preparation.h"
#include "viewer/core/summary_table.h"
#include "viewer/ui/report_viewer.h"
#include "viewer/ui/summary_viewer.h"

namespace undertext::ui {
namespace {

QString shownPath(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

// Whether a corpus summary lists words or fragments, told by its header line.
SummaryTerms summaryTerms(const std::filesystem::path& summary) {
    constexpr qint64 kHeaderRoom = 4096;
    QFile start(shownPath(summary));
    if (!start.open(QIODevice::ReadOnly)) {
        return SummaryTerms::Words;
    }
    const std::string header = start.read(kHeaderRoom).toStdString();
    const auto reading = readSummaryTable(header.substr(0, header.find('\n')));
    return reading.table ? reading.table->terms : SummaryTerms::Words;
}

// The language of the report's source as a window guesses it when the text is
// chosen; Russian, the windows' first choice, when the source does not read.
Language sourceLanguage(const std::filesystem::path& report, std::string_view suffix) {
    const auto source = locateReportSource(report, suffix);
    if (source.problem != SourceProblem::None) {
        return Language::Russian;
    }
    try {
        auto bytes = readWholeFile(source.path);
        return bytes ? guessLanguage(decodeText(std::move(bytes.value())).cp1251)
                     : Language::Russian;
    } catch (const std::bad_alloc&) {
        return Language::Russian;  // the viewer says so when it prepares the source
    }
}

}  // namespace

ViewerProgram::ViewerProgram(const std::filesystem::path& startFolder, Dialogs& dialogs)
    : dialogs_(dialogs),
      embedViewers_(embed::embedReportProgram([this] { return language_; }), dialogs, startFolder),
      echoscanViewers_(echoscan::echoscanReportProgram([this] { return language_; }), dialogs,
                       startFolder) {}

void ViewerProgram::openGivenText(const std::filesystem::path& file) {
    fileGiven_ = true;
    if (const QString problem = open(file); !problem.isEmpty()) {
        dialogs_.inform(nullptr, problem);
    }
}

QString ViewerProgram::open(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return QCoreApplication::translate("ViewerProgram", "Файл «%1» не найден.")
            .arg(shownPath(file));
    }
    if (ReportViewers::isSummary(file)) {
        auto& viewers =
            summaryTerms(file) == SummaryTerms::Fragments ? echoscanViewers_ : embedViewers_;
        opened_ = viewers.openSummary(file, nullptr);
        return {};
    }
    const std::string name = file.filename().string();
    for (auto* viewers : {&embedViewers_, &echoscanViewers_}) {
        if (const auto suffix = viewers->reportSuffix(name); !suffix.empty()) {
            language_ = sourceLanguage(file, suffix);
            opened_ = viewers->open(file, nullptr);
            return {};
        }
    }
    return QCoreApplication::translate(
               "ViewerProgram",
               "Файл «%1» не является ни отчётом Embed или Echoscan, ни сводкой "
               "корпуса: показать его нельзя.")
        .arg(shownPath(file));
}

void ViewerProgram::startUp() {
    if (!opened_.isNull()) {
        return;
    }
    if (!fileGiven_) {
        dialogs_.inform(
            nullptr, QCoreApplication::translate("ViewerProgram",
                                                 "Не указан файл: программе нужен отчёт Embed или "
                                                 "Echoscan либо сводка корпуса (.tsv)."));
    }
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

}  // namespace undertext::ui
