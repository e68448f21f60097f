#include "create/ui/create_window.h"

#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "common/core/text/codepage.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/app/startup_check.h"
#include "common/ui/widgets/window_parts.h"
#include "common/ui/widgets/window_placement.h"
#include "create/core/results_file.h"
#include "create/core/variant_actions.h"
#include "create/ui/create_object_names.h"
#include "create/ui/phrase_box.h"
#include "create/ui/request_window.h"

namespace undertext::create {
namespace {

QString fromCp1251(std::string_view text) {
    return QString::fromStdString(cp1251ToUtf8(text));
}

std::string toCp1251(const QString& text) {
    return utf8ToCp1251(text.toStdString());
}

constexpr ui::RunTexts kRunTexts{
    ui::kStopPhraseQuestion, QT_TRANSLATE_NOOP("RunSession", "Синтез прерван из-за ошибки"), ": "};

}  // namespace

CreateWindow::CreateWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                           JobFunction<CreateRequest, CreateOutcome> job, QWidget* parent)
    : QWidget(parent),
      startFolder_(std::move(startFolder)),
      dialogs_(dialogs),
      job_(std::move(job)),
      controls_(*this),
      run_(
          *this, *this, [this](bool enabled) { enableRunButtons(enabled); }, dialogs, kRunTexts) {
    setObjectName(QString::fromLatin1(names::kWindow));
    setWindowTitle(
        QCoreApplication::translate("CreateWindow", "Синтез подсознательного компонента текста"));
    resize(820, 400);
    connectActions();

    // The window's opening: the default modules, Russian, the grey result line.
    defaults_ = lookUpDefaultModules(startFolder_);
    controls_.languages->select(Language::Russian);
    showResultLine(QString(), kResultLineGrey, false);
}

void CreateWindow::connectActions() {
    connect(controls_.phrase, &QLineEdit::textChanged, this, &CreateWindow::phraseEdited);
    connect(controls_.phrase, &QLineEdit::returnPressed, this,
            [this] { composeVariant(Then::Nothing); });
    connect(controls_.next, &QPushButton::clicked, this, [this] { composeVariant(Then::Nothing); });
    connect(controls_.previous, &QPushButton::clicked, this, &CreateWindow::previousVariant);
    connect(controls_.save, &QPushButton::clicked, this, &CreateWindow::saveResults);
    connect(controls_.addModules, &QPushButton::clicked, this, &CreateWindow::addModules);
    connect(controls_.stop, &QPushButton::clicked, this, [this] { askStop(); });
    connect(controls_.exit, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.version, &ui::ClickableLabel::clicked, this, &CreateWindow::showAbout);
    connect(controls_.languages, &ui::LanguageOptions::languageChanged, this,
            [this](Language language) {
                ui::resetModuleList(*controls_.modules, language, defaults_);
            });
}

void CreateWindow::startUp() {
    auto* request = new RequestWindow(this);
    request->setAttribute(Qt::WA_DeleteOnClose);
    request_ = request;
    connect(request, &RequestWindow::agreed, this, &CreateWindow::giveConsent);
    connect(request, &RequestWindow::refused, this, &CreateWindow::endProgram);
    request->show();
    ui::warnWhenNoModules(
        startFolder_, dialogs_, [this] { showAbout(); }, request);
    // A small screen gets a window no larger than itself, frame included.
    ui::fitOnScreen(*this);
    ui::centreOnScreen(*this);
    show();
    enableRunButtons(false);
    // The request opens over the main window, which it keeps locked until answered.
    ui::centreOver(*request, *this);
    request->bringToFront();
}

void CreateWindow::giveConsent() {
    enableRunButtons(true);
    session_.flags.consentGiven = true;
}

void CreateWindow::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    // A run still going after a confirmed stop ends with the runner, which waits for it.
    about_.close();
    chooser_.close();
    if (request_) {
        request_->close();
    }
    close();
    emit ended();
}

void CreateWindow::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        run_.setBusy(session_.flags.phraseActive);
        if (!run_.confirmExit()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    endProgram();
}

void CreateWindow::phraseEdited() {
    if (!session_.flags.consentGiven) {
        return;
    }
    if (session_.flags.phraseActive) {
        askStop();
    }
    const QString phrase = controls_.phrase->text();
    if (!phrase.isEmpty()) {
        controls_.languages->select(languageOfPhrase(phrase));
    }
}

void CreateWindow::composeVariant(Then then) {
    // The Enter key reaches here past the disabled button.
    if (run_.underWay()) {
        return;
    }
    switch (startNextVariant(session_)) {
        case NextVariantStart::Nothing:
            return;
        case NextVariantStart::AnalyseFirst:
            startRun(then);
            return;
        case NextVariantStart::Compose:
            break;
    }
    finishVariant(then);
}

void CreateWindow::startRun(Then then) {
    if (!run_.begin()) {
        return;
    }
    controls_.phrase->setFocus(Qt::OtherFocusReason);
    afterRun_ = then;
    auto request = currentRequest();
    const auto begun = beginCreateRun(session_, request, *this);
    run_.run(
        begun,
        [job = job_, request = std::move(request)](JobControl& control) {
            return job(request, control);
        },
        [this](CreateOutcome outcome) { finishRun(std::move(outcome)); });
}

void CreateWindow::finishRun(CreateOutcome outcome) {
    finishCreateRun(session_, std::move(outcome));
    finishVariant(std::exchange(afterRun_, Then::Nothing));
}

void CreateWindow::finishVariant(Then then) {
    if (const auto variant = finishNextVariant(session_)) {
        showResultLine(fromCp1251(*variant), kResultLineWhite, true);
        repaint();
        ui::focusPrimaryButton(controls_.next);
    }
    if (then == Then::Save) {
        offerSave();
    }
}

void CreateWindow::previousVariant() {
    controls_.result->setText(fromCp1251(showPreviousVariant(session_)));
    repaint();
}

void CreateWindow::saveResults() {
    if (run_.underWay()) {
        return;
    }
    if (!session_.flags.phraseAnalysed) {
        composeVariant(Then::Save);
        return;
    }
    offerSave();
}

void CreateWindow::offerSave() {
    if (session_.flags.stopRequested) {
        return;
    }
    const auto folder = saveDialogFolder(session_, startFolder_);
    const auto choice = ui::chooseWhereToSave(
        dialogs_, this, QString::fromStdString(folder.string()), controls_.phrase->text());
    if (choice) {
        const SourceEncoding encoding{choice->utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1251,
                                      false};
        const auto saved =
            create::saveResults(session_, startFolder_, choice->file.toStdString(), phraseText(),
                                toCp1251(controls_.result->text()), encoding);
        if (!saved) {
            dialogs_.inform(this, ui::shownMessage(saved.error()));
        }
    }
    ui::focusPrimaryButton(controls_.next);
}

ui::RunGuard::StopAnswer CreateWindow::askStop() {
    run_.setBusy(session_.flags.phraseActive);
    const auto answer = run_.askStop();
    if (answer == ui::RunGuard::StopAnswer::Yes) {
        confirmStop(session_);
        afterRun_ = Then::Nothing;
        showResultLine(QString(), kResultLineGrey, false);
    } else if (answer == ui::RunGuard::StopAnswer::No) {
        // Undo the edit; the two writes do not ask again while the phrase is not active.
        session_.flags.phraseActive = false;
        controls_.phrase->setText(QString());
        controls_.phrase->writeWhole(fromCp1251(session_.normalisedPhrase));
        session_.flags.phraseActive = true;
    }
    return answer;
}

void CreateWindow::addModules() {
    chooser_.show([this] {
        return new ui::ModuleChooser(startFolder_, controls_.modules, controls_.next, this);
    });
}

void CreateWindow::showAbout() {
    about_.show([this] {
        return new ui::AboutWindow(
            QCoreApplication::translate("AboutWindow", ui::kCreateDescription), this);
    });
}

void CreateWindow::showResultLine(const QString& text, const QColor& background, bool enabled) {
    QPalette palette = controls_.result->palette();
    palette.setColor(QPalette::Base, background);
    controls_.result->setPalette(palette);
    controls_.result->setEnabled(enabled);
    controls_.result->setText(text);
}

CreateRequest CreateWindow::currentRequest() const {
    return {phraseText(),
            controls_.languages->language(),
            ui::moduleListEntries(*controls_.modules),
            startFolder_,
            {}};
}

std::string CreateWindow::phraseText() const {
    return toCp1251(controls_.phrase->text());
}

void CreateWindow::enableRunButtons(bool enabled) {
    for (auto* button :
         {controls_.next, controls_.previous, controls_.save, controls_.addModules}) {
        button->setEnabled(enabled);
    }
}

void CreateWindow::rewritePhraseBox(std::string_view normalisedPhrase) {
    controls_.phrase->setText(QString());
    controls_.phrase->writeWhole(fromCp1251(normalisedPhrase));
}

void CreateWindow::progress(int percent) {
    controls_.progress.show(percent);
}

}  // namespace undertext::create
