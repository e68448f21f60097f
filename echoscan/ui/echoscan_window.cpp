#include "echoscan/ui/echoscan_window.h"
#include "echoscan/ui/echoscan_report_program.h"

#include <cassert>
#include <string>
#include <utility>

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/app/dialogs.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::echoscan {
namespace {

constexpr int kShortestListedLength = 1;
constexpr int kLongestMinLength = 39;
constexpr int kLongestMaxLength = 40;
// A length box shows this many digits in full.
constexpr int kLengthBoxDigits = 10;

// An editable length box whose list holds 1 to last and whose text is shown.
QComboBox* makeLengthBox(QWidget* parent, const QString& objectName, int last, int shown) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    // A typed length is used as it stands and never joins the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(kLengthBoxDigits);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (int length = kShortestListedLength; length <= last; ++length) {
        box->addItem(QString::number(length));
    }
    box->setCurrentIndex(shown - kShortestListedLength);
    return box;
}

}  // namespace

EchoscanWindow::EchoscanWindow(ui::Dialogs& dialogs, std::filesystem::path startFolder,
                               SearchJob searchJob, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      startFolder_(std::move(startFolder)),
      searchJob_(std::move(searchJob)),
      heading_(ui::makeLabel(this, "Label1", QString::fromUtf8(kWindowTitle))),
      version_(new ui::ClickableLabel(ui::versionText(), this)),
      minLength_(makeLengthBox(this, QStringLiteral("Combo1"), kLongestMinLength, 4)),
      maxLength_(makeLengthBox(this, QStringLiteral("Combo2"), kLongestMaxLength, 40)),
      sourceBox_(new ui::DoubleClickLineEdit(this)),
      encoding_(new ui::EncodingChooser(this)),
      language_(new ui::LanguageOptions(this)),
      results_(new ui::ResultFileList(this)),
      progress_(this),
      openFileButton_(ui::makeButton(this, QStringLiteral("Command5"),
                                     QStringLiteral("Открыть файл"), ui::ButtonIcon::OpenFile)),
      viewers_(echoscanReportProgram([this] { return language_->language(); }), dialogs,
               startFolder_),
      run_(*this, *this, dialogs, startFolder_, ui::kEchoscanReportPattern,
           {sourceBox_, results_, language_, nullptr, encoding_},
           [this](const std::filesystem::path& report) { viewers_.open(report, this); }) {
    setObjectName(QStringLiteral("Form1"));
    results_->setReportSuffixes(viewers_.reportSuffixes());
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    version_->setObjectName(QStringLiteral("Label9"));
    sourceBox_->setObjectName(QStringLiteral("Text1"));
    QFont headingFont = heading_->font();
    headingFont.setPointSize(12);
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    heading_->setWordWrap(true);

    buildLayout();
    ui::chainTabOrder({minLength_, maxLength_, language_->russianButton(),
                       language_->englishButton(), sourceBox_, openFileButton_, results_,
                       run_.startButton, run_.stopButton, run_.exitButton});
    connectEvents();
    language_->select(Language::Russian);
}

void EchoscanWindow::buildLayout() {
    auto* lengths = new QHBoxLayout;
    lengths->addWidget(ui::makeLabel(this, "Label3", QStringLiteral("от")));
    lengths->addWidget(minLength_);
    lengths->addSpacing(8);
    lengths->addWidget(ui::makeLabel(this, "Label8", QStringLiteral("до")));
    lengths->addWidget(maxLength_);
    lengths->addWidget(ui::makeLabel(this, "Label4_0", QStringLiteral("знаков")));
    lengths->addStretch();

    auto* language = new QGridLayout;
    language->addWidget(ui::makeLabel(this, "Label4_1", QStringLiteral("Язык текста:")), 0, 0, 2, 1,
                        Qt::AlignVCenter);
    language->addWidget(language_->russianButton(), 0, 1);
    language->addWidget(language_->englishButton(), 1, 1);
    language->setColumnStretch(2, 1);

    auto* openRow = new QHBoxLayout;
    openRow->addStretch();
    openRow->addWidget(openFileButton_);
    openRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(ui::makeLabel(this, "Label7", QStringLiteral("Размеры фрагментов")));
    left->addLayout(lengths);
    left->addSpacing(12);
    left->addLayout(language);
    left->addSpacing(12);
    left->addWidget(
        ui::makeLabel(this, "Label5", QStringLiteral("Исходный текстовый файл (click)")));
    left->addWidget(sourceBox_);
    left->addWidget(encoding_);
    left->addStretch();
    left->addWidget(ui::makeLine(this, "Line7", QFrame::HLine));
    left->addLayout(openRow);

    auto* progressRow = new QHBoxLayout;
    progressRow->addStretch();
    progressRow->addWidget(progress_.label());
    progressRow->addStretch();

    // Two rows, so that the window fits a small screen.
    auto* runRow = new QGridLayout;
    runRow->addWidget(run_.startButton, 0, 0);
    runRow->addWidget(run_.stopButton, 0, 1);
    runRow->addWidget(run_.exitButton, 1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(ui::makeLabel(this, "Label6", QStringLiteral("Файлы результатов:")));
    right->addWidget(results_, 1);
    right->addSpacing(12);
    right->addWidget(progress_.bar());
    right->addLayout(progressRow);
    right->addWidget(ui::makeLine(this, "Line8", QFrame::HLine));
    right->addLayout(runRow);

    auto* areas = new QHBoxLayout;
    areas->addLayout(left, 1);
    areas->addWidget(ui::makeLine(this, "Line2", QFrame::VLine));
    areas->addLayout(right, 1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(heading_, 1);
    heading->addWidget(version_, 0, Qt::AlignTop);

    auto* window = new QVBoxLayout(this);
    window->addLayout(heading);
    window->addWidget(ui::makeLine(this, "Line1", QFrame::HLine));
    window->addLayout(areas, 1);
    results_->setMinimumHeight(71);
    resize(530, 300);
}

void EchoscanWindow::connectEvents() {
    connect(run_.startButton, &QPushButton::clicked, this, &EchoscanWindow::startSearch);
    connect(run_.stopButton, &QPushButton::clicked, this, &EchoscanWindow::askStop);
    connect(openFileButton_, &QPushButton::clicked, this, [this] { run_.openFile.run(); });
    // Ignored during a run, like the disabled open-file button.
    connect(sourceBox_, &ui::DoubleClickLineEdit::doubleClicked, this, [this] {
        if (openFileButton_->isEnabled()) {
            run_.openFile.run();
        }
    });
    connect(version_, &ui::ClickableLabel::clicked, this, [this] {
        about_.show([this] {
            return new ui::AboutWindow(QString::fromUtf8(ui::kEchoscanDescription), this);
        });
    });
}

void EchoscanWindow::progress(int percent) {
    progress_.show(percent);
}

void EchoscanWindow::showMessage(const std::string& text) {
    dialogs_.inform(this, QString::fromStdString(text));
}

void EchoscanWindow::enableRunButtons(bool enabled) {
    // The inputs of a run stay as they were while it goes on.
    for (QWidget* input : std::initializer_list<QWidget*>{openFileButton_, run_.startButton,
                                                          minLength_, maxLength_}) {
        input->setEnabled(enabled);
    }
    language_->setEnabled(enabled);
}

void EchoscanWindow::showResultFiles(const ResultFiles& files) {
    // The list stays in SourceFolder, where the job writes; only the pattern moves.
    results_->showJobFiles(files, sourceBox_->text());
}

void EchoscanWindow::startSearch() {
    // The job enables the buttons a moment before its thread returns; a press in
    // that moment waits for it instead of being refused by the runner.
    if (run_.runner.isRunning()) {
        run_.runner.waitForEnd();
    }
    run_.openFile.takeTypedPath();
    run_.guard.beginRun();
    // The job orders this too, but the window must not look idle until it does.
    enableRunButtons(false);
    FragmentSearchRequest request{
        sourceBox_->text().toStdString(),
        run_.openFile.sourceFolder(),
        language_->language(),
        minLength_->currentText().toStdString(),
        maxLength_->currentText().toStdString(),
        nullptr,
        encoding_->forced(),
    };
    [[maybe_unused]] const bool started = run_.runner.start<FragmentSearchEnd>(
        [search = searchJob_, request = std::move(request)](JobControl& control) {
            return search(request, control);
        },
        [this](ui::JobRunner::End end, std::optional<FragmentSearchEnd> outcome,
               const QString& error) { searchFinished(end, outcome, error); });
    assert(started);
}

void EchoscanWindow::askStop() {
    if (run_.guard.askStop() == ui::RunGuard::StopAnswer::Yes) {
        enableRunButtons(true);
        progress_.show(0);
    }
}

void EchoscanWindow::searchFinished(ui::JobRunner::End end,
                                    std::optional<FragmentSearchEnd> outcome,
                                    const QString& error) {
    switch (end) {
        case ui::JobRunner::End::Completed:
            assert(outcome);
            // A refused or failed run leaves the busy flag set.
            if (outcome == FragmentSearchEnd::Completed) {
                run_.guard.setBusy(false);
            }
            break;
        case ui::JobRunner::End::Stopped:
            // A stop confirmed after the job's last stop point leaves a finished run.
            if (outcome == FragmentSearchEnd::Completed) {
                run_.guard.setBusy(false);
                progress_.show(100);
                results_->reread();
                break;
            }
            progress_.show(0);
            // A job that was already writing when the stop came may have finished
            // its reports; the list shows what is on disk.
            results_->reread();
            break;
        case ui::JobRunner::End::Failed:
            dialogs_.inform(this, QString::fromUtf8(kUnexpectedFailureMessage) + error);
            enableRunButtons(true);
            break;
    }
}

void EchoscanWindow::closeEvent(QCloseEvent* event) {
    if (!run_.guard.confirmExit()) {
        event->ignore();
        return;
    }
    about_.close();
    event->accept();
}

}  // namespace undertext::echoscan
