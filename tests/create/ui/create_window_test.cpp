#include <gtest/gtest.h>

#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "common/core/codepage.h"
#include "common/ui/about_window.h"
#include "common/ui/job_runner.h"
#include "common/ui/module_chooser.h"
#include "common/ui/scripted_dialogs.h"
#include "common/ui/window_parts.h"
#include "create/ui/main_window.h"
#include "create/ui/phrase_box.h"
#include "create/ui/request_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::create {
namespace {

using ui::ShownBox;

const QString kStopQuestion = QStringLiteral("Остановить обработку фразы?");
const QString kExitQuestion = QStringLiteral("Действительно хотите выйти из программы?");

// 'cat' hides among these at two transitions, as the refrain 'attic' and in 'scat'.
constexpr const char* kEnglishModule = "tic\r\natom\r\norca\r\ntoad\r\nattic\r\nscat\r\n";

class CreateWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        start.write("COMMON.DIC", utf8ToCp1251("скот\r\nкотел\r\nтоска\r\n"));
        start.write("COMMON_E.DIC", kEnglishModule);
    }

    void open() {
        window = std::make_unique<CreateMainWindow>(start.path(), dialogs);
        endedSpy = std::make_unique<QSignalSpy>(window.get(), &CreateMainWindow::ended);
        window->startUp();
    }

    template <typename T = QPushButton>
    T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    RequestWindow* request() const { return window->findChild<RequestWindow*>(); }
    ui::JobRunner* runner() const { return window->findChild<ui::JobRunner*>(); }
    PhraseBox* phrase() const { return control<PhraseBox>("Text2"); }
    QLineEdit* result() const { return control<QLineEdit>("Text3"); }
    QString progressText() const { return control<QLabel>("Label2")->text(); }

    void agree() {
        QTest::mouseClick(request()->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }
    // Types into the phrase box (insert() also takes letters that have no key code).
    void type(const QString& text) { phrase()->insert(text); }
    void pressEnter() { QTest::keyClick(phrase(), Qt::Key_Return); }

    bool actionButtonsEnabled(bool enabled) const {
        for (const char* name : {"Command4", "Command6", "Command1", "Command5"}) {
            if (control(name)->isEnabled() != enabled) {
                return false;
            }
        }
        return true;
    }

    // Waits until the run on the runner has ended and the window has heard of it.
    void waitForRun() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return actionButtonsEnabled(true); }));
    }

    // Agrees, types the phrase and lets Enter run the synthesis to its first variant.
    void firstVariant(const QString& text) {
        agree();
        type(text);
        pressEnter();
        waitForRun();
    }

    std::vector<ShownBox> questions() const {
        return dialogs.shownOfKind(ShownBox::Kind::Question);
    }
    std::vector<ShownBox> messages() const {
        return dialogs.shownOfKind(ShownBox::Kind::Information);
    }

    bool ended() const { return endedSpy->count() == 1; }

    testing::TempFolder start;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<CreateMainWindow> window;
    std::unique_ptr<QSignalSpy> endedSpy;
};

// The widget the Tab key moves to from widget.
QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    return next;
}

const QStringList kCatVariants = {QStringLiteral("tic atom "),   QStringLiteral("tic attic "),
                                  QStringLiteral("attic atom "), QStringLiteral("attic attic "),
                                  QStringLiteral("orca tic "),   QStringLiteral("orca toad "),
                                  QStringLiteral("scat  ")};

TEST_F(CreateWindow, StartsWithTheRequestInFrontAndTheActionButtonsDisabled) {
    open();
    auto* form3 = request();
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Просьба."));
    const QString text = form3->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    EXPECT_EQ(
        text,
        QString::fromUtf8(kRequestText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(QString::fromUtf8(kRequestText).size(), 310);
    EXPECT_EQ(QString::fromUtf8(kRequestText).count(QStringLiteral("\r\n")), 12);
    auto* agreeButton = form3->findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* disagreeButton = form3->findChild<QPushButton*>(QStringLiteral("Command2"));
    EXPECT_EQ(agreeButton->text(), QStringLiteral("  Я согласен   Я согласна"));
    EXPECT_EQ(disagreeButton->text(), QStringLiteral("Я не согласен Я не согласна"));
    EXPECT_LT(agreeButton->sizeHint().width(),
              agreeButton->fontMetrics().horizontalAdvance(agreeButton->text()));
    EXPECT_GE(agreeButton->sizeHint().height(), 2 * agreeButton->fontMetrics().lineSpacing());
    EXPECT_EQ(agreeButton->size(), disagreeButton->size());
    EXPECT_EQ(nextTabStop(form3->findChild<QPlainTextEdit*>()), agreeButton);
    EXPECT_EQ(nextTabStop(agreeButton), disagreeButton);

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Синтез подсознательного компонента текста"));
    EXPECT_EQ(control("Command4")->text(), QStringLiteral("Следующий   вариант"));
    EXPECT_EQ(control("Command6")->text(), QStringLiteral("Предыдущий вариант"));
    EXPECT_EQ(control("Command1")->text(), QStringLiteral("Сохранить результаты"));
    EXPECT_EQ(control("Command5")->text(), QStringLiteral("Добавить модули"));
    EXPECT_EQ(control("Command2")->text(), QStringLiteral("Остановить"));
    EXPECT_EQ(control("Command3")->text(), QStringLiteral("Выйти"));
    EXPECT_EQ(control<QLabel>("Label1")->text(),
              QStringLiteral("Программа синтеза подсознательного компонента текста"));
    EXPECT_EQ(control<QLabel>("Label7")->text(), QStringLiteral("Версия 2.1"));
    EXPECT_EQ(progressText(), QStringLiteral("Готово   0 %"));
    EXPECT_EQ(nextTabStop(phrase()), control("Command4"));
    EXPECT_TRUE(actionButtonsEnabled(false));
    EXPECT_TRUE(control("Command2")->isEnabled());
    EXPECT_FALSE(result()->isEnabled());
    EXPECT_EQ(result()->palette().color(QPalette::Disabled, QPalette::Base), QColor(214, 211, 206));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral("COMMON.DIC"));
    EXPECT_TRUE(dialogs.shown().empty());

    // Before consent the phrase box does not react, and Enter does nothing.
    type(QStringLiteral("cat"));
    pressEnter();
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(runner()->isRunning());
    EXPECT_TRUE(result()->text().isEmpty());
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat"));
    EXPECT_TRUE(dialogs.shown().empty());

    agree();
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_TRUE(window->flags().consentGiven);
    EXPECT_FALSE(ended());
}

TEST_F(CreateWindow, WithoutModulesShowsTheAboutWindowAndTheDownloadMessage) {
    testing::TempFolder empty;
    window = std::make_unique<CreateMainWindow>(empty.path(), dialogs);
    window->startUp();
    auto* about = window->findChild<ui::AboutWindow*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Скачайте, разархивируйте и перепишите модули "
                                                 "словарей в директорию программы"));
    EXPECT_TRUE(request()->isVisible());
    EXPECT_EQ(control<QListWidget>("List1")->count(), 0);
}

TEST_F(CreateWindow, DisagreeingOrClosingTheRequestEndsTheProgram) {
    open();
    QTest::mouseClick(request()->findChild<QPushButton*>(QStringLiteral("Command2")),
                      Qt::LeftButton);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.shown().empty());

    window.reset();
    open();
    QTest::mouseClick(control<ui::ClickableLabel>("Label7"), Qt::LeftButton);
    request()->close();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->findChild<ui::AboutWindow*>()->isVisible(), false);
}

TEST_F(CreateWindow, TheWholeRoadFromConsentToSavedResults) {
    open();
    agree();
    type(QStringLiteral("Cat"));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral("COMMON_E.DIC"));
    pressEnter();
    waitForRun();
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat  "));
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_TRUE(result()->isEnabled());
    EXPECT_EQ(result()->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    const QString first = result()->text();
    EXPECT_TRUE(kCatVariants.contains(first)) << first.toStdString();
    EXPECT_TRUE(window->flags().phraseActive);
    EXPECT_TRUE(window->flags().phraseAnalysed);

    QTest::mouseClick(control("Command4"), Qt::LeftButton);
    const QString second = result()->text();
    EXPECT_TRUE(kCatVariants.contains(second));
    EXPECT_NE(second, first);

    // Back through the ring: slot 1, slot 0 (empty), slot 10 (empty).
    QTest::mouseClick(control("Command6"), Qt::LeftButton);
    EXPECT_EQ(result()->text(), first);
    QTest::mouseClick(control("Command6"), Qt::LeftButton);
    EXPECT_EQ(result()->text(), QString());
    QTest::mouseClick(control("Command6"), Qt::LeftButton);
    EXPECT_EQ(result()->text(), QString());
    // Enter on the focused next-variant button presses it.
    QTest::keyClick(control("Command4"), Qt::Key_Return);
    const QString shown = result()->text();
    EXPECT_TRUE(kCatVariants.contains(shown));

    std::filesystem::create_directory(start / "out");
    const auto saved = start / "out" / "cat.txt";
    dialogs.queueFile(QString::fromStdString(saved.string()));
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.saveRequests().size(), 1u);
    const auto& request = dialogs.saveRequests()[0];
    EXPECT_EQ(request.title, QStringLiteral("Save File"));
    EXPECT_EQ(request.proposedName, QStringLiteral("cat"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(request.initialFolder, QString());
    const std::string report = start.read("out/cat.txt");
    const std::string variantLine = std::string(15, '-') + "\" " + shown.toUpper().toStdString() +
                                    " \"" +
                                    std::string(58 - static_cast<std::size_t>(shown.size()), '-');
    EXPECT_EQ(report.rfind(std::string(20, '=') + "\" CAT   \"" + std::string(48, '='), 0), 0u);
    EXPECT_NE(report.find("\r\n\r\n" + variantLine + "\r\n"), std::string::npos);
    EXPECT_EQ(start.read("LastPathSynth.txt"), (start / "out").string() + "\r\n");
    EXPECT_TRUE(messages().empty());

    // The next dialog starts in the remembered folder; a failed write is reported
    // and nothing is remembered.
    dialogs.queueFile(QString::fromStdString((start / "out" / "cat.txt" / "x.txt").string()));
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.saveRequests().size(), 2u);
    EXPECT_EQ(dialogs.saveRequests()[1].initialFolder,
              QString::fromStdString((start / "out").string()));
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(start.read("LastPathSynth.txt"), (start / "out").string() + "\r\n");
    EXPECT_EQ(control("Command4"), QApplication::focusWidget());
}

TEST_F(CreateWindow, SavingBeforeAnyVariantAnalysesFirstAndACancelWritesNothing) {
    open();
    agree();
    type(QStringLiteral("cat"));
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.saveRequests().empty());
    waitForRun();
    EXPECT_TRUE(kCatVariants.contains(result()->text()));
    ASSERT_EQ(dialogs.saveRequests().size(), 1u);
    EXPECT_FALSE(start.exists("LastPathSynth.txt"));
}

TEST_F(CreateWindow, AnEditWhileAVariantIsShownAsksAndNoRestoresThePhrase) {
    open();
    firstVariant(QStringLiteral("cat"));
    const QString shown = result()->text();

    dialogs.queueAnswer(false);
    QTest::keyClick(phrase(), Qt::Key_Backspace);
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_EQ(questions()[0].title, QStringLiteral("Остановка?"));
    EXPECT_EQ(questions()[0].text, kStopQuestion);
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat  "));
    EXPECT_EQ(result()->text(), shown);
    EXPECT_TRUE(window->flags().phraseActive);

    dialogs.queueAnswer(true);
    QTest::keyClick(phrase(), Qt::Key_Backspace);
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat "));
    EXPECT_EQ(result()->text(), QString());
    EXPECT_FALSE(result()->isEnabled());
    EXPECT_EQ(result()->palette().color(QPalette::Disabled, QPalette::Base), QColor(214, 211, 206));
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_FALSE(window->flags().phraseActive);

    // The edited phrase is analysed afresh, and editing asks no more meanwhile.
    type(QStringLiteral("s"));
    EXPECT_EQ(questions().size(), 2u);
    pressEnter();
    waitForRun();
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat s  "));
    EXPECT_TRUE(result()->isEnabled());
}

TEST_F(CreateWindow, DuringARunEnterDoesNothingAndAnEditAnsweredNoLetsTheRunGoOn) {
    open();
    agree();
    type(QStringLiteral("cat"));
    pressEnter();
    runner()->pause();  // nothing of the run reaches the window until resume()
    EXPECT_TRUE(actionButtonsEnabled(false));
    EXPECT_TRUE(window->flags().phraseActive);
    pressEnter();
    EXPECT_TRUE(window->flags().phraseActive);

    dialogs.queueAnswer(false);
    QTest::keyClick(phrase(), Qt::Key_Backspace);
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat  "));

    runner()->resume();
    waitForRun();
    EXPECT_TRUE(kCatVariants.contains(result()->text()));
    // One variant only: the ring's slot before it is empty.
    QTest::mouseClick(control("Command6"), Qt::LeftButton);
    EXPECT_EQ(result()->text(), QString());
}

TEST_F(CreateWindow, AStopConfirmedDuringARunEndsItWithoutAVariant) {
    open();
    agree();
    type(QStringLiteral("cat"));
    QSignalSpy finished(runner(), &ui::JobRunner::finished);
    pressEnter();
    runner()->pause();
    EXPECT_EQ(progressText(), QStringLiteral("Готово  2 %"));

    dialogs.queueAnswer(true);
    QTest::mouseClick(control("Command2"), Qt::LeftButton);
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_FALSE(result()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }));
    EXPECT_EQ(finished[0][0].value<ui::JobRunner::End>(), ui::JobRunner::End::Stopped);
    QTest::qWait(0);
    EXPECT_EQ(result()->text(), QString());
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    EXPECT_FALSE(window->flags().phraseAnalysed);

    // Nothing is active now: the stop button does nothing and closing asks nothing.
    QTest::mouseClick(control("Command2"), Qt::LeftButton);
    QTest::mouseClick(control("Command3"), Qt::LeftButton);
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_TRUE(ended());
}

TEST_F(CreateWindow, ExitAsksOnlyWhileAPhraseIsActiveAndThenClosesEveryWindow) {
    open();
    agree();
    QTest::mouseClick(control("Command2"), Qt::LeftButton);
    EXPECT_TRUE(questions().empty());
    type(QStringLiteral("cat"));
    pressEnter();
    waitForRun();

    QTest::mouseClick(control("Command5"), Qt::LeftButton);
    QTest::mouseClick(control<ui::ClickableLabel>("Label7"), Qt::LeftButton);
    auto* about = window->findChild<ui::AboutWindow*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->findChild<QLabel*>(QStringLiteral("Label1"))->text() ==
                QStringLiteral("Синтез подсознательного компонента текста."));
    auto* chooser = window->findChild<ui::ModuleChooser*>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());

    QTest::mouseClick(control("Command3"), Qt::LeftButton);  // No
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_EQ(questions()[0].title, QStringLiteral("Выход?"));
    EXPECT_EQ(questions()[0].text, kExitQuestion);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(ended());

    dialogs.queueAnswer(true);
    window->close();
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(chooser->isVisible());
}

TEST_F(CreateWindow, APhraseWithoutLettersIsRefusedYetStaysActive) {
    open();
    agree();
    type(QStringLiteral("12"));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    pressEnter();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("В строке \"Исходный текст\" должен быть хотя бы "
                                                 "один знак на выбранном языке."));
    EXPECT_EQ(phrase()->text(), QStringLiteral(" "));
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_TRUE(window->flags().phraseActive);
    EXPECT_TRUE(window->flags().stopRequested);
    EXPECT_FALSE(runner()->isRunning());

    type(QStringLiteral("a"));  // answered No: the single blank comes back
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_EQ(questions()[0].text, kStopQuestion);
    EXPECT_EQ(phrase()->text(), QStringLiteral(" "));
    window->close();  // answered No
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_FALSE(ended());
}

TEST_F(CreateWindow, APhraseInALanguageWithoutItsModuleIsRefusedAndLeftAsTyped) {
    std::filesystem::remove(start / "COMMON_E.DIC");
    open();
    agree();
    type(QStringLiteral("cat"));
    EXPECT_EQ(control<QListWidget>("List1")->count(), 0);
    pressEnter();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Выберите модули словарей."));
    EXPECT_EQ(phrase()->text(), QStringLiteral("cat"));
    EXPECT_FALSE(window->flags().phraseActive);
    window->close();
    EXPECT_TRUE(questions().empty());
    EXPECT_TRUE(ended());
}

TEST_F(CreateWindow, FortyOneLetterWordsComeBackWhole) {
    open();
    agree();
    type(QStringLiteral("a ").repeated(39) + QStringLiteral("a"));
    pressEnter();
    waitForRun();
    EXPECT_EQ(phrase()->text(), QStringLiteral("a ").repeated(40) + QStringLiteral(" "));
    EXPECT_TRUE(result()->isEnabled());
}

TEST_F(CreateWindow, TypingARussianPhraseSelectsRussianAndItsModule) {
    open();
    agree();
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral("COMMON_E.DIC"));
    firstVariant(QStringLiteral("кот"));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral("COMMON.DIC"));
    EXPECT_EQ(phrase()->text(), QStringLiteral("кот  "));
    EXPECT_FALSE(result()->text().isEmpty());
}

}  // namespace
}  // namespace undertext::create
