#include "echoscan/ui/form1.h"

#include <mutex>
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

#include "common/ui/dialogs.h"
#include "common/ui/language_options.h"
#include "common/ui/result_file_list.h"
#include "common/ui/window_parts.h"

namespace undertext::echoscan {
namespace {

constexpr int kShortestListedLength = 1;
constexpr int kLongestMinLength = 39;
constexpr int kLongestMaxLength = 40;
constexpr int kButtonHeight = 57;

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QFrame* makeLine(QWidget* parent, const QString& objectName, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// An editable length box whose list holds 1 to last and whose text is shown.
QComboBox* makeLengthBox(QWidget* parent, const QString& objectName, int last, int shown) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    // A typed length is used as it stands and never joins the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    for (int length = kShortestListedLength; length <= last; ++length) {
        box->addItem(QString::number(length));
    }
    box->setCurrentIndex(shown - kShortestListedLength);
    return box;
}

QPushButton* makeTallButton(QWidget* parent, const QString& objectName, const QString& caption,
                            ui::ButtonIcon icon) {
    auto* button = ui::makeButton(parent, objectName, caption, icon);
    button->setMinimumHeight(kButtonHeight);
    return button;
}

}  // namespace

// The job reads Text1's name from its own thread; the window keeps this copy.
class Form1::ShownName {
  public:
    void set(std::string name) {
        std::lock_guard lock(mutex_);
        name_ = std::move(name);
    }
    std::string get() const {
        std::lock_guard lock(mutex_);
        return name_;
    }

  private:
    mutable std::mutex mutex_;
    std::string name_;
};

Form1::Form1(ui::Dialogs& dialogs, std::filesystem::path startFolder, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      startFolder_(std::move(startFolder)),
      label1_(makeLabel(this, QStringLiteral("Label1"), QString::fromUtf8(kWindowTitle))),
      label9_(new ui::ClickableLabel(QString::fromUtf8(ui::kVersionText), this)),
      combo1_(makeLengthBox(this, QStringLiteral("Combo1"), kLongestMinLength, 4)),
      combo2_(makeLengthBox(this, QStringLiteral("Combo2"), kLongestMaxLength, 40)),
      text1_(new ui::DoubleClickLineEdit(this)),
      options_(new ui::LanguageOptions(this)),
      file2_(new ui::ResultFileList(dialogs, this)),
      progress_(this),
      command5_(makeTallButton(this, QStringLiteral("Command5"), QStringLiteral("Открыть файл"),
                               ui::ButtonIcon::OpenFile)),
      command1_(makeTallButton(this, QStringLiteral("Command1"), QStringLiteral("Начать поиск"),
                               ui::ButtonIcon::Start)),
      command2_(makeTallButton(this, QStringLiteral("Command2"), QStringLiteral("Остановить"),
                               ui::ButtonIcon::Stop)),
      command3_(makeTallButton(this, QStringLiteral("Command3"), QStringLiteral("Выйти"),
                               ui::ButtonIcon::Exit)),
      runner_(new ui::JobRunner(this)),
      guard_(dialogs, *runner_, this, QString::fromUtf8(ui::kStopWorkQuestion)),
      openFile_(dialogs, startFolder_, QString::fromLatin1(ui::kEchoscanReportPattern),
                {text1_, file2_, options_, command1_}, this),
      shownName_(std::make_shared<ShownName>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    label9_->setObjectName(QStringLiteral("Label9"));
    text1_->setObjectName(QStringLiteral("Text1"));
    runner_->setObjectName(QStringLiteral("SearchRunner"));
    QFont headingFont = label1_->font();
    headingFont.setPointSize(12);
    headingFont.setBold(true);
    label1_->setFont(headingFont);

    buildLayout();
    connectEvents();
    options_->select(Language::Russian);
}

Form1::~Form1() {
    // The job may still use the runner's queue; end it before the window goes.
    runner_->requestStop();
    runner_->waitForEnd();
}

void Form1::buildLayout() {
    auto* lengths = new QHBoxLayout;
    lengths->addWidget(makeLabel(this, QStringLiteral("Label3"), QStringLiteral("от")));
    lengths->addWidget(combo1_);
    lengths->addSpacing(8);
    lengths->addWidget(makeLabel(this, QStringLiteral("Label8"), QStringLiteral("до")));
    lengths->addWidget(combo2_);
    lengths->addStretch();

    auto* language = new QGridLayout;
    language->addWidget(makeLabel(this, QStringLiteral("Label4_1"), QStringLiteral("Язык текста:")),
                        0, 0, 2, 1, Qt::AlignVCenter);
    language->addWidget(options_->russianButton(), 0, 1);
    language->addWidget(options_->englishButton(), 1, 1);
    language->setColumnStretch(2, 1);

    auto* openRow = new QHBoxLayout;
    openRow->addStretch();
    openRow->addWidget(command5_);
    openRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(
        makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Размеры фрагментов")));
    left->addLayout(lengths);
    left->addWidget(makeLabel(this, QStringLiteral("Label4_0"), QStringLiteral("знаков")));
    left->addSpacing(12);
    left->addLayout(language);
    left->addSpacing(12);
    left->addWidget(makeLabel(this, QStringLiteral("Label5"),
                              QStringLiteral("Исходный текстовый файл (click)")));
    left->addWidget(text1_);
    left->addStretch();
    left->addWidget(makeLine(this, QStringLiteral("Line7"), QFrame::HLine));
    left->addLayout(openRow);

    auto* progressRow = new QHBoxLayout;
    progressRow->addStretch();
    progressRow->addWidget(progress_.label());
    progressRow->addStretch();

    auto* runRow = new QHBoxLayout;
    runRow->addWidget(command1_);
    runRow->addWidget(command2_);
    runRow->addWidget(command3_);

    auto* right = new QVBoxLayout;
    right->addWidget(
        makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Файлы результатов:")));
    right->addWidget(file2_, 1);
    right->addSpacing(12);
    right->addWidget(progress_.bar());
    right->addLayout(progressRow);
    right->addWidget(makeLine(this, QStringLiteral("Line8"), QFrame::HLine));
    right->addLayout(runRow);

    auto* areas = new QHBoxLayout;
    areas->addLayout(left, 1);
    areas->addWidget(makeLine(this, QStringLiteral("Line2"), QFrame::VLine));
    areas->addLayout(right, 1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(label1_, 1);
    heading->addWidget(label9_, 0, Qt::AlignTop);

    auto* window = new QVBoxLayout(this);
    window->addLayout(heading);
    window->addWidget(makeLine(this, QStringLiteral("Line1"), QFrame::HLine));
    window->addLayout(areas, 1);
    file2_->setMinimumHeight(71);
    resize(530, 300);
}

void Form1::connectEvents() {
    connect(command1_, &QPushButton::clicked, this, &Form1::startSearch);
    connect(command2_, &QPushButton::clicked, this, &Form1::askStop);
    connect(command3_, &QPushButton::clicked, this, &QWidget::close);
    connect(command5_, &QPushButton::clicked, this, [this] { openFile_.run(); });
    // Also during a run, when Command5 is disabled.
    connect(text1_, &ui::DoubleClickLineEdit::doubleClicked, this, [this] { openFile_.run(); });
    connect(text1_, &QLineEdit::textChanged, this,
            [this](const QString& name) { shownName_->set(name.toStdString()); });
    connect(label9_, &ui::ClickableLabel::clicked, this, [this] {
        about_.show([this] {
            return new ui::AboutWindow(QString::fromUtf8(ui::kEchoscanDescription), this);
        });
    });
    connect(runner_, &ui::JobRunner::progressChanged, this,
            [this](int percent) { progress_.show(percent); });
    connect(runner_, &ui::JobRunner::finished, this, &Form1::searchFinished);
}

void Form1::enableRunButtons(bool enabled) {
    command5_->setEnabled(enabled);
    command1_->setEnabled(enabled);
}

void Form1::showResultFiles(const QString& pattern) {
    // The list stays in SourceFolder, where the job writes; only the pattern moves.
    file2_->point(file2_->folder(), pattern);
}

FragmentSearchWindow Form1::windowEffects() {
    // Each effect is ordered on the job's thread and carried out on the GUI thread.
    ui::JobRunner* runner = runner_;
    FragmentSearchWindow window;
    window.showMessage = [this, runner](const std::string& message) {
        runner->post(
            [this, text = QString::fromStdString(message)] { dialogs_.inform(this, text); });
    };
    window.enableRunButtons = [this, runner](bool enabled) {
        runner->post([this, enabled] { enableRunButtons(enabled); });
    };
    window.showResultFiles = [this, runner](const std::string& pattern) {
        runner->post([this, text = QString::fromStdString(pattern)] { showResultFiles(text); });
    };
    window.shownSourceName = [shown = shownName_] { return shown->get(); };
    return window;
}

void Form1::startSearch() {
    // The job enables the buttons a moment before its thread returns; a press in
    // that moment waits for it instead of being refused by the runner.
    if (runner_->isRunning()) {
        runner_->waitForEnd();
    }
    guard_.beginRun();
    // The job orders this too, but the window must not look idle until it does.
    enableRunButtons(false);
    const FragmentSearchRequest request{
        text1_->text().toStdString(),
        openFile_.sourceFolder(),
        options_->language(),
        combo1_->currentText().toStdString(),
        combo2_->currentText().toStdString(),
    };
    auto outcome = std::make_shared<std::optional<FragmentSearchEnd>>();
    outcome_ = outcome;
    runner_->start([request, window = windowEffects(), outcome](JobControl& control) {
        *outcome = fragmentSearchJob(request, window, control);
    });
}

void Form1::askStop() {
    if (guard_.askStop() == ui::RunGuard::StopAnswer::Yes) {
        enableRunButtons(true);
        progress_.show(0);
    }
}

void Form1::searchFinished(ui::JobRunner::End end, const QString& error) {
    switch (end) {
        case ui::JobRunner::End::Completed:
            // A refused or failed run leaves the busy flag set.
            if (outcome_ && *outcome_ == FragmentSearchEnd::Completed) {
                guard_.setBusy(false);
            }
            break;
        case ui::JobRunner::End::Stopped:
            progress_.show(0);
            // A job that was already writing when the stop came may have finished
            // its reports; the list shows what is on disk.
            file2_->reread();
            break;
        case ui::JobRunner::End::Failed:
            dialogs_.inform(this, QString::fromUtf8(kUnexpectedFailureMessage) + error);
            enableRunButtons(true);
            break;
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!guard_.confirmExit()) {
        event->ignore();
        return;
    }
    about_.close();
    event->accept();
}

}  // namespace undertext::echoscan
