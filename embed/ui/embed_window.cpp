#include "embed/ui/embed_window.h"

#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include "common/core/files/text_lock.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/app/startup_check.h"
#include "common/ui/run/search_end.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"
#include "embed/core/significance/significance.h"
#include "embed/ui/embed_object_names.h"
#include "embed/ui/embed_report_program.h"

namespace undertext::embed {
namespace {

constexpr ui::RunTexts kRunTexts{
    ui::kStopWorkQuestion, QT_TRANSLATE_NOOP("RunSession", "Поиск прерван из-за ошибки."), "\n"};

}  // namespace

EmbedWindow::EmbedWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                         JobFunction<EmbedRequest, EmbedOutcome> job, QWidget* parent)
    : QWidget(parent),
      startFolder_(std::move(startFolder)),
      dialogs_(dialogs),
      job_(std::move(job)),
      controls_(*this),
      openFile_(dialogs, startFolder_, QString::fromLatin1(ui::kEmbedReportPattern),
                {controls_.source, controls_.results, controls_.languages, controls_.start,
                 controls_.encoding, &controls_.progress},
                this),
      viewers_(embedReportProgram([this] { return controls_.languages->language(); }), dialogs,
               startFolder_),
      run_(
          *this, *this, [this](bool enabled) { enableRunButtons(enabled); }, dialogs, kRunTexts) {
    setObjectName(QString::fromLatin1(names::kWindow));
    controls_.results->setReportSuffixes(viewers_.reportSuffixes());
    setWindowTitle(QCoreApplication::translate("EmbedWindow", "Поиск \"вложенных\" слов"));
    resize(560, 330);
    connectActions();

    // Window load: the default modules, then Russian, which fills the module list.
    defaults_ = lookUpDefaultModules(startFolder_);
    controls_.languages->select(Language::Russian);
}

void EmbedWindow::connectActions() {
    connect(controls_.languages, &ui::LanguageOptions::languageChanged, this,
            [this](Language language) {
                ui::resetModuleList(*controls_.modules, language, defaults_);
            });
    connect(controls_.openFile, &QPushButton::clicked, this, [this] { openFile_.run(); });
    // Ignored during a run, like the disabled open-file button.
    connect(controls_.source, &ui::DoubleClickLineEdit::doubleClicked, this, [this] {
        if (controls_.openFile->isEnabled()) {
            openFile_.run();
        }
    });
    connect(controls_.addModules, &QPushButton::clicked, this, &EmbedWindow::showChooser);
    // A double-click anywhere in the module list, on an entry or not.
    controls_.modules->viewport()->installEventFilter(this);
    controls_.results->setOpener(
        [this](const std::filesystem::path& report) { viewers_.open(report, this); });
    connect(controls_.version, &ui::ClickableLabel::clicked, this, &EmbedWindow::showAbout);
    connect(controls_.start, &QPushButton::clicked, this, &EmbedWindow::startRun);
    connect(controls_.stop, &QPushButton::clicked, this, &EmbedWindow::askStop);
    connect(controls_.exit, &QPushButton::clicked, this, &QWidget::close);
}

void EmbedWindow::startUp() {
    const bool warned = ui::warnWhenNoModules(
        startFolder_, dialogs_, [this] { showAbout(); }, this);
    show();
    if (warned) {
        showAbout();
    }
}

void EmbedWindow::startRun() {
    openFile_.takeTypedPath();
    if (!run_.begin()) {
        return;
    }
    ui::showSearchBegins(controls_.progress, *controls_.results);
    // Every path of the run is fixed here; later changes in the window do not reach it.
    auto request = currentRequest();
    request.approveReportSize = run_.reportSizeQuestion();
    run_.run(
        checkEmbedRequest(request),
        [job = job_, request](JobControl& control) {
            return runHoldingTextLock<EmbedOutcome>(
                request.sourceFolder / request.sourceName, control,
                [&](JobControl& locked) { return job(request, locked); });
        },
        [this](const EmbedOutcome& outcome) { finishRun(outcome); });
}

void EmbedWindow::askStop() {
    ui::askSearchStop(run_, controls_.progress);
}

void EmbedWindow::finishRun(const EmbedOutcome& outcome) {
    ui::showSearchEnd(outcome.ending, controls_.progress, *controls_.results,
                      controls_.encoding->replacedBytes());
    if (const auto& note = outcome.results.significanceNote; !note.empty()) {
        dialogs_.inform(this, ui::shownMessage(note));
    }
}

void EmbedWindow::enableRunButtons(bool enabled) {
    for (auto* button : {controls_.addModules, controls_.openFile, controls_.start}) {
        button->setEnabled(enabled);
    }
    controls_.languages->setEnabled(enabled);
    controls_.significance->setEnabled(enabled);
}

EmbedRequest EmbedWindow::currentRequest() const {
    // SourceFolder, or StartFolder while no file was chosen.
    const auto& chosen = openFile_.sourceFolder();
    EmbedRequest request{chosen.empty() ? startFolder_ : chosen,
                         controls_.source->text().toStdString(),
                         controls_.languages->language(),
                         ui::moduleListEntries(*controls_.modules),
                         startFolder_,
                         nullptr,
                         controls_.encoding->forced(),
                         {}};
    if (controls_.significance->isChecked()) {
        request.significanceOrder = kDefaultModelOrder;
    }
    return request;
}

void EmbedWindow::progress(int percent) {
    controls_.progress.show(percent);
}

void EmbedWindow::showWaiting(const std::string& reason) {
    ui::showSearchWaiting(controls_.progress, reason);
}

void EmbedWindow::showResultFiles(const ResultFiles& files) {
    controls_.results->showJobFiles(files, controls_.source->text());
}

void EmbedWindow::closeEvent(QCloseEvent* event) {
    // A confirmed exit stops the job; the session waits for it as the window goes,
    // so no report is left half written.
    if (!run_.confirmExit()) {
        event->ignore();
        return;
    }
    about_.close();
    chooser_.close();
    event->accept();
}

bool EmbedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.modules->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        showChooser();
    }
    return QWidget::eventFilter(watched, event);
}

void EmbedWindow::showChooser() {
    chooser_.show([this] {
        return new ui::ModuleChooser(startFolder_, controls_.modules, controls_.start, this);
    });
}

void EmbedWindow::showAbout() {
    about_.show([this] {
        return new ui::AboutWindow(
            QCoreApplication::translate("AboutWindow", ui::kEmbedDescription), this);
    });
}

}  // namespace undertext::embed
