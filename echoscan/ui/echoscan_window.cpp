#include "echoscan/ui/echoscan_window.h"

#include <initializer_list>
#include <string>
#include <utility>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

#include "common/core/files/text_lock.h"
#include "common/ui/run/search_end.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"
#include "echoscan/core/fragment_lengths.h"
#include "echoscan/core/remembered_range.h"
#include "echoscan/ui/echoscan_object_names.h"
#include "echoscan/ui/echoscan_report_program.h"

namespace undertext::echoscan {
namespace {

constexpr ui::RunTexts kRunTexts{
    ui::kStopWorkQuestion, QT_TRANSLATE_NOOP("RunSession", "Поиск прерван из-за ошибки"), ": "};

}  // namespace

EchoscanWindow::EchoscanWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                               JobFunction<EchoscanRequest, EchoscanOutcome> job, QWidget* parent)
    : QWidget(parent),
      startFolder_(std::move(startFolder)),
      dialogs_(dialogs),
      job_(std::move(job)),
      controls_(*this),
      openFile_(dialogs, startFolder_, QString::fromLatin1(ui::kEchoscanReportPattern),
                {controls_.source, controls_.results, controls_.languages, controls_.start,
                 controls_.encoding, &controls_.progress},
                this),
      viewers_(echoscanReportProgram([this] { return controls_.languages->language(); }), dialogs,
               startFolder_),
      run_(
          *this, *this, [this](bool enabled) { enableRunButtons(enabled); }, dialogs, kRunTexts) {
    setObjectName(QString::fromLatin1(names::kWindow));
    controls_.results->setReportSuffixes(viewers_.reportSuffixes());
    setWindowTitle(QCoreApplication::translate("EchoscanWindow", kWindowTitle));
    resize(530, 300);
    connectActions();
    controls_.languages->select(Language::Russian);
    restoreRange();
}

void EchoscanWindow::restoreRange() {
    if (const auto range = readRememberedRange(startFolder_)) {
        controls_.minLength->setCurrentText(QString::fromStdString(range->shortest));
        controls_.maxLength->setCurrentText(QString::fromStdString(range->longest));
    }
}

void EchoscanWindow::rememberRange() {
    const auto shortest = parseFragmentLength(controls_.minLength->currentText().toStdString());
    const auto longest = parseFragmentLength(controls_.maxLength->currentText().toStdString());
    if (!shortest || !longest) {
        return;
    }
    // Only the lengths are lost when the start folder cannot be written: the run
    // goes on, and the folder's own memory file reports the same fault.
    (void)writeRememberedRange(startFolder_, {std::to_string(*shortest), std::to_string(*longest)});
}

void EchoscanWindow::connectActions() {
    connect(controls_.start, &QPushButton::clicked, this, &EchoscanWindow::startRun);
    connect(controls_.stop, &QPushButton::clicked, this, &EchoscanWindow::askStop);
    connect(controls_.exit, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.openFile, &QPushButton::clicked, this, [this] { openFile_.run(); });
    // Ignored during a run, like the disabled open-file button.
    connect(controls_.source, &ui::DoubleClickLineEdit::doubleClicked, this, [this] {
        if (controls_.openFile->isEnabled()) {
            openFile_.run();
        }
    });
    controls_.results->setOpener(
        [this](const std::filesystem::path& report) { viewers_.open(report, this); });
    connect(controls_.version, &ui::ClickableLabel::clicked, this, &EchoscanWindow::showAbout);
}

void EchoscanWindow::startUp() {
    show();
}

void EchoscanWindow::startRun() {
    openFile_.takeTypedPath();
    if (!run_.begin()) {
        return;
    }
    ui::showSearchBegins(controls_.progress, *controls_.results);
    auto request = currentRequest();
    request.approveReportSize = run_.reportSizeQuestion();
    const auto check = checkEchoscanRequest(request);
    if (check) {
        rememberRange();
    }
    run_.run(
        check,
        [job = job_, request](JobControl& control) {
            return runHoldingTextLock<EchoscanOutcome>(
                request.sourceFolder / request.sourceName, control,
                [&](JobControl& locked) { return job(request, locked); });
        },
        [this](const EchoscanOutcome& outcome) { finishRun(outcome); });
}

void EchoscanWindow::askStop() {
    ui::askSearchStop(run_, controls_.progress);
}

void EchoscanWindow::finishRun(const EchoscanOutcome& outcome) {
    ui::showSearchEnd(outcome.ending, controls_.progress, *controls_.results,
                      controls_.encoding->replacedBytes());
}

void EchoscanWindow::enableRunButtons(bool enabled) {
    for (QWidget* input : std::initializer_list<QWidget*>{
             controls_.openFile, controls_.start, controls_.minLength, controls_.maxLength}) {
        input->setEnabled(enabled);
    }
    controls_.languages->setEnabled(enabled);
}

EchoscanRequest EchoscanWindow::currentRequest() const {
    return {controls_.source->text().toStdString(),
            openFile_.sourceFolder(),
            controls_.languages->language(),
            controls_.minLength->currentText().toStdString(),
            controls_.maxLength->currentText().toStdString(),
            nullptr,
            controls_.encoding->forced()};
}

void EchoscanWindow::progress(int percent) {
    controls_.progress.show(percent);
}

void EchoscanWindow::showWaiting(const std::string& reason) {
    ui::showSearchWaiting(controls_.progress, reason);
}

void EchoscanWindow::showResultFiles(const ResultFiles& files) {
    // The list stays in SourceFolder, where the job writes; only the pattern moves.
    controls_.results->showJobFiles(files, controls_.source->text());
}

void EchoscanWindow::closeEvent(QCloseEvent* event) {
    if (!run_.confirmExit()) {
        event->ignore();
        return;
    }
    about_.close();
    event->accept();
}

void EchoscanWindow::showAbout() {
    about_.show([this] {
        return new ui::AboutWindow(
            QCoreApplication::translate("AboutWindow", ui::kEchoscanDescription), this);
    });
}

}  // namespace undertext::echoscan
