#include "embed/ui/embed_window.h"
#include "embed/ui/embed_report_program.h"

#include <cassert>

#include <utility>

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/app/dialogs.h"
#include "common/ui/app/startup_check.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::embed {
namespace {

inline constexpr const char* kChooseSourceMessage = "Выберите исходный файл";
inline constexpr const char* kChooseModulesMessage = "Выберите модули словарей";
// The first line of the box that reports a search that broke off unexpectedly.
inline constexpr const char* kSearchBrokeOffMessage = "Поиск прерван из-за ошибки.";

}  // namespace

EmbedWindow::EmbedWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                         SearchJob searchJob, QWidget* parent)
    : QWidget(parent),
      startFolder_(std::move(startFolder)),
      dialogs_(dialogs),
      searchJob_(std::move(searchJob)),
      sourceBox_(new ui::DoubleClickLineEdit(this)),
      encoding_(new ui::EncodingChooser(this)),
      moduleList_(new QListWidget(this)),
      results_(new ui::ResultFileList(this)),
      language_(new ui::LanguageOptions(this)),
      progress_(this),
      addModulesButton_(ui::makeButton(this, QStringLiteral("Command5"),
                                       QStringLiteral("Добавить модули"),
                                       ui::ButtonIcon::AddModules)),
      openFileButton_(ui::makeButton(this, QStringLiteral("Command6"),
                                     QStringLiteral("Открыть файл"), ui::ButtonIcon::OpenFile)),
      viewers_(embedReportProgram([this] { return language_->language(); }), dialogs, startFolder_),
      run_(*this, *this, dialogs, startFolder_, ui::kEmbedReportPattern,
           {sourceBox_, results_, language_, nullptr, encoding_},
           [this](const std::filesystem::path& report) { viewers_.open(report, this); }) {
    setObjectName(QStringLiteral("Form1"));
    results_->setReportSuffixes(viewers_.reportSuffixes());
    setWindowTitle(QStringLiteral("Поиск \"вложенных\" слов"));
    sourceBox_->setObjectName(QStringLiteral("Text1"));
    moduleList_->setObjectName(QStringLiteral("List1"));
    arrangeControls();
    connectActions();

    // Window load: the default modules, then Russian, which fills the module list.
    defaults_ = lookUpDefaultModules(startFolder_);
    language_->select(Language::Russian);
}

void EmbedWindow::arrangeControls() {
    auto* heading = ui::makeLabel(this, "Label1", QString::fromUtf8(ui::kEmbedDescription));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    if (headingFont.pointSizeF() > 0) {
        headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    }
    heading->setFont(headingFont);
    heading->setWordWrap(true);
    auto* version = new ui::ClickableLabel(ui::versionText(), this);
    version->setObjectName(QStringLiteral("Label7"));
    connect(version, &ui::ClickableLabel::clicked, this, &EmbedWindow::showAbout);

    auto* sourceCaption =
        ui::makeLabel(this, "Label5", QStringLiteral("Исходный текстовый файл (Click)"));
    auto* modulesCaption = ui::makeLabel(this, "Label3", QStringLiteral("Модули словаря (Click)"));
    auto* resultsCaption = ui::makeLabel(this, "Label6", QStringLiteral("Файлы результатов:"));
    auto* languageCaption = ui::makeLabel(this, "Label4", QStringLiteral("Язык текста:"));
    progress_.label()->setAlignment(Qt::AlignCenter);

    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(heading, 1);
    headingRow->addWidget(version);

    auto* sourceColumn = new QVBoxLayout;
    sourceColumn->addWidget(sourceCaption);
    sourceColumn->addWidget(sourceBox_);
    sourceColumn->addWidget(encoding_);
    sourceColumn->addSpacing(6);
    sourceColumn->addWidget(modulesCaption);
    sourceColumn->addWidget(moduleList_, 1);

    auto* resultsColumn = new QVBoxLayout;
    resultsColumn->addWidget(resultsCaption);
    resultsColumn->addWidget(results_, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(language_->russianButton());
    options->addWidget(language_->englishButton());
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageCaption);
    languageRow->addLayout(options);
    languageRow->addStretch(1);

    auto* progressColumn = new QVBoxLayout;
    progressColumn->addWidget(progress_.bar());
    progressColumn->addWidget(progress_.label());

    auto* leftButtons = new QHBoxLayout;
    leftButtons->addWidget(addModulesButton_);
    leftButtons->addWidget(openFileButton_);
    leftButtons->addStretch(1);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addWidget(run_.startButton);
    rightButtons->addWidget(run_.stopButton);
    rightButtons->addWidget(run_.exitButton);

    // Two areas side by side, split by Line4; Line1 to Line3 divide the rows.
    auto* layout = new QGridLayout(this);
    layout->addLayout(headingRow, 0, 0, 1, 3);
    layout->addWidget(ui::makeLine(this, "Line1", QFrame::HLine), 1, 0, 1, 3);
    layout->addLayout(sourceColumn, 2, 0);
    layout->addWidget(ui::makeLine(this, "Line4", QFrame::VLine), 2, 1);
    layout->addLayout(resultsColumn, 2, 2);
    layout->addWidget(ui::makeLine(this, "Line2", QFrame::HLine), 3, 0, 1, 3);
    layout->addLayout(languageRow, 4, 0);
    layout->addLayout(progressColumn, 4, 2);
    layout->addWidget(ui::makeLine(this, "Line3", QFrame::HLine), 5, 0, 1, 3);
    layout->addLayout(leftButtons, 6, 0);
    layout->addLayout(rightButtons, 6, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
    resize(560, 330);
}

void EmbedWindow::connectActions() {
    connect(language_, &ui::LanguageOptions::languageChanged, this,
            [this](Language language) { ui::resetModuleList(*moduleList_, language, defaults_); });
    connect(openFileButton_, &QPushButton::clicked, this, [this] { run_.openFile.run(); });
    // Ignored during a run, like the disabled open-file button.
    connect(sourceBox_, &ui::DoubleClickLineEdit::doubleClicked, this, [this] {
        if (openFileButton_->isEnabled()) {
            run_.openFile.run();
        }
    });
    connect(addModulesButton_, &QPushButton::clicked, this, &EmbedWindow::showChooser);
    // A double-click anywhere in the module list, on an entry or not.
    moduleList_->viewport()->installEventFilter(this);
    connect(run_.startButton, &QPushButton::clicked, this, &EmbedWindow::startSearch);
    connect(run_.stopButton, &QPushButton::clicked, this, &EmbedWindow::requestStop);
}

void EmbedWindow::startUp() {
    const bool warned = ui::warnWhenNoModules(
        startFolder_, dialogs_, [this] { showAbout(); }, this);
    show();
    if (warned) {
        showAbout();
    }
}

void EmbedWindow::startSearch() {
    run_.openFile.takeTypedPath();
    run_.guard.beginRun();
    setRunButtonsEnabled(false);
    if (sourceBox_->text().isEmpty()) {
        endByMessage(QString::fromUtf8(kChooseSourceMessage));
        return;
    }
    auto modules = ui::moduleListEntries(*moduleList_);
    if (noModuleSelected(modules)) {
        endByMessage(QString::fromUtf8(kChooseModulesMessage));
        return;
    }
    // Every path of the run is fixed here; later changes in the window do not reach it.
    EmbedJobInputs inputs{runFolder(),           sourceBox_->text().toStdString(),
                          language_->language(), std::move(modules),
                          startFolder_,          nullptr,
                          encoding_->forced()};
    // The start button is disabled while a run goes on, and a stopped run is only
    // waited for, so the runner always takes the job.
    [[maybe_unused]] const bool started = run_.runner.start<EmbedOutcome>(
        [search = searchJob_, inputs = std::move(inputs)](JobControl& control) {
            return search(inputs, control);
        },
        [this](ui::JobRunner::End end, std::optional<EmbedOutcome> outcome, const QString& error) {
            finishRun(end, std::move(outcome), error);
        });
    assert(started);
}

void EmbedWindow::requestStop() {
    if (run_.guard.askStop() != ui::RunGuard::StopAnswer::Yes) {
        return;
    }
    setRunButtonsEnabled(true);
    progress_.show(0);
}

void EmbedWindow::finishRun(ui::JobRunner::End end, std::optional<EmbedOutcome> outcome,
                            const QString& error) {
    switch (end) {
        case ui::JobRunner::End::Stopped:
            // A stop confirmed after the job's last stop point leaves a finished run.
            if (outcome && (outcome->ending == EmbedEnding::Completed ||
                            outcome->ending == EmbedEnding::NothingFound)) {
                showOutcome(*outcome);
                return;
            }
            progress_.show(0);
            // Reports written before the stop are on disk.
            results_->reread();
            return;
        case ui::JobRunner::End::Failed:
            endByMessage(error.isEmpty()
                             ? QString::fromUtf8(kSearchBrokeOffMessage)
                             : QString::fromUtf8(kSearchBrokeOffMessage) + u'\n' + error);
            return;
        case ui::JobRunner::End::Completed:
            assert(outcome);
            showOutcome(*outcome);
            return;
    }
}

void EmbedWindow::showOutcome(const EmbedOutcome& outcome) {
    switch (outcome.ending) {
        case EmbedEnding::TextTooShort:
        case EmbedEnding::Failed:
            endByMessage(QString::fromStdString(outcome.message));
            return;
        case EmbedEnding::NothingFound:
            endByMessage(QString::fromStdString(outcome.message));
            progress_.show(100);
            results_->reread();
            return;
        case EmbedEnding::Completed:
            progress_.show(100);
            run_.guard.setBusy(false);
            setRunButtonsEnabled(true);
            results_->reread();
            return;
        case EmbedEnding::Stopped:
            progress_.show(0);
            return;
    }
}

void EmbedWindow::endByMessage(const QString& text) {
    dialogs_.inform(this, text);
    setRunButtonsEnabled(true);
}

void EmbedWindow::setRunButtonsEnabled(bool enabled) {
    addModulesButton_->setEnabled(enabled);
    openFileButton_->setEnabled(enabled);
    run_.startButton->setEnabled(enabled);
    language_->setEnabled(enabled);
}

void EmbedWindow::progress(int percent) {
    progress_.show(percent);
}

void EmbedWindow::showResultFiles(const ResultFiles& files) {
    results_->showJobFiles(files, sourceBox_->text());
}

void EmbedWindow::closeEvent(QCloseEvent* event) {
    // A confirmed exit has stopped the job and waited for it, so no report is
    // left half written.
    if (!run_.guard.confirmExit()) {
        event->ignore();
        return;
    }
    about_.close();
    chooser_.close();
    event->accept();
}

bool EmbedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == moduleList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        showChooser();
    }
    return QWidget::eventFilter(watched, event);
}

void EmbedWindow::showChooser() {
    chooser_.show([this] {
        return new ui::ModuleChooser(startFolder_, moduleList_, run_.startButton, this);
    });
}

void EmbedWindow::showAbout() {
    about_.show(
        [this] { return new ui::AboutWindow(QString::fromUtf8(ui::kEmbedDescription), this); });
}

std::filesystem::path EmbedWindow::runFolder() const {
    const auto& chosen = run_.openFile.sourceFolder();
    return chosen.empty() ? startFolder_ : chosen;
}

}  // namespace undertext::embed
