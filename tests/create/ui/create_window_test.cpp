#include <gtest/gtest.h>

#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/run/job_runner.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/module_chooser.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/window_parts.h"
#include "common/ui/widgets/window_placement.h"
#include "create/ui/create_object_names.h"
#include "create/ui/create_window.h"
#include "create/ui/phrase_box.h"
#include "create/ui/request_window.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/support/window_driver.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::create {
namespace {

using ui::ShownBox;
using namespace Qt::StringLiterals;

const QString kStopAsked = u"? Остановка? Остановить обработку фразы?\n"_s;
const QString kExitAsked = u"? Выход? Действительно хотите выйти из программы?\n"_s;
// Every variant of 'cat' with the English module below.
const QStringList kCatVariants = {u"tic atom "_s,    u"tic attic "_s, u"attic atom "_s,
                                  u"attic attic "_s, u"orca tic "_s,  u"orca toad "_s,
                                  u"scat  "_s};

class CreateWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        start.write("COMMON.DIC", utf8ToCp1251("скот\r\nкотел\r\nтоска\r\n"));
        start.write("COMMON_E.DIC", "tic\r\natom\r\norca\r\ntoad\r\nattic\r\nscat\r\n");
    }
    void open(const std::filesystem::path& folder = {},
              JobFunction<CreateRequest, CreateOutcome> job = createJob) {
        driver.reset();
        window.reset();
        window = std::make_unique<CreateWindow>(folder.empty() ? start.path() : folder, dialogs,
                                                std::move(job));
        driver = std::make_unique<testing::WindowDriver>(*window, dialogs);
        endedSpy = std::make_unique<QSignalSpy>(window.get(), &CreateWindow::ended);
        window->startUp();
    }
    template <typename T = QPushButton>
    T* control(const char* name) const {
        return driver->control<T>(name);
    }
    void click(const char* name) { driver->click(name); }
    RequestWindow* request() const { return window->findChild<RequestWindow*>(); }
    QLineEdit* phrase() const { return control<QLineEdit>(names::kPhraseBox); }
    QLineEdit* result() const { return control<QLineEdit>(names::kResultLine); }
    QString progressText() const { return driver->text(ui::names::kProgressLabel); }
    QString module() const { return control<QListWidget>(names::kModuleList)->item(0)->text(); }
    QPushButton* requestButton(const char* name) const {
        return request()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void agree() { QTest::mouseClick(requestButton(request_names::kAgreeButton), Qt::LeftButton); }
    void type(const char* text) { phrase()->insert(QString::fromUtf8(text)); }
    void pressEnter() { QTest::keyClick(phrase(), Qt::Key_Return); }
    bool actionButtonsEnabled(bool enabled) const {
        return std::ranges::all_of(
            std::initializer_list{names::kNextButton, names::kPreviousButton, names::kSaveButton,
                                  names::kAddModulesButton},
            [&](const char* name) { return driver->enabled(name) == enabled; });
    }
    void waitForRun() { EXPECT_EQ(driver->awaitEnd(), ui::JobRunner::End::Completed); }
    void startRun(const char* text) {
        agree();
        type(text);
        pressEnter();
    }
    // Every box shown so far, one a line: "? title text" for a question, "i text" otherwise.
    QString said() const {
        QString lines;
        for (const auto& box : dialogs.shown()) {
            lines += box.kind == ShownBox::Kind::Question ? u"? "_s + box.title + u" "_s + box.text
                                                          : u"i "_s + box.text;
            lines += u"\n"_s;
        }
        return lines;
    }
    bool resultLineIsGrey() const {
        return !result()->isEnabled() && result()->text().isEmpty() &&
               result()->palette().color(QPalette::Disabled, QPalette::Base) ==
                   QColor(214, 211, 206);
    }
    bool ended() const { return endedSpy->count() == 1; }

    testing::TempFolder start;
    ui::ScriptedDialogs dialogs;
    testing::JobGate gate;
    std::unique_ptr<CreateWindow> window;
    std::unique_ptr<testing::WindowDriver> driver;
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

TEST_F(CreateWindowTest, StartsWithTheRequestInFrontAndOnlyConsentUnlocksIt) {
    open();
    ASSERT_TRUE(request()->isVisible());
    EXPECT_EQ(request()->windowTitle(), u"Просьба."_s);
    auto* requestText = request()->findChild<QPlainTextEdit*>();
    EXPECT_EQ(requestText->toPlainText(),
              QString::fromUtf8(kRequestText).replace(u"\r\n"_s, u"\n"_s));
    EXPECT_EQ(requestButton(request_names::kAgreeButton)->text(), u"  Я согласен   Я согласна"_s);
    EXPECT_EQ(requestButton(request_names::kDisagreeButton)->text(),
              u"Я не согласен Я не согласна"_s);
    EXPECT_EQ(nextTabStop(requestText), requestButton(request_names::kAgreeButton));
    EXPECT_EQ(nextTabStop(requestButton(request_names::kAgreeButton)),
              requestButton(request_names::kDisagreeButton));

    EXPECT_EQ(window->windowTitle(), u"Синтез подсознательного компонента текста"_s);
    const char* captions[][2] = {{names::kNextButton, "Следующий   вариант"},
                                 {names::kPreviousButton, "Предыдущий вариант"},
                                 {names::kSaveButton, "Сохранить результаты"},
                                 {names::kAddModulesButton, "Добавить модули"},
                                 {ui::names::kStopButton, "Остановить"},
                                 {ui::names::kExitButton, "Выйти"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(control(name)->text(), QString::fromUtf8(caption));
    }
    EXPECT_EQ(progressText(), u"Готово   0 %"_s);
    EXPECT_EQ(nextTabStop(phrase()), control(names::kNextButton));
    EXPECT_TRUE(actionButtonsEnabled(false));
    EXPECT_TRUE(resultLineIsGrey());
    EXPECT_EQ(module(), u"COMMON.DIC"_s);

    // Before consent the phrase box does not react and Enter does nothing.
    type("cat");
    pressEnter();
    EXPECT_TRUE(control<QRadioButton>(ui::names::kRussianOption)->isChecked());
    EXPECT_FALSE(driver->runner().isRunning());
    EXPECT_EQ(phrase()->text(), u"cat"_s);
    agree();
    EXPECT_TRUE(actionButtonsEnabled(true));
    click(
        ui::names::kStopButton);  // no phrase is active: nothing to stop, nothing to ask on closing
    click(ui::names::kExitButton);
    EXPECT_TRUE(ended());
    EXPECT_EQ(said(), QString());
}

TEST_F(CreateWindowTest, WithoutModulesItWarnsAndDisagreeingOrClosingTheRequestEnds) {
    testing::TempFolder empty;
    open(empty.path());
    EXPECT_TRUE(window->findChild<ui::AboutWindow*>()->isVisible());
    const QString download =
        u"i Скачайте, разархивируйте и перепишите модули словарей в директорию программы\n"_s;
    EXPECT_EQ(said(), download);
    ASSERT_TRUE(request()->isVisible());
    QTest::mouseClick(requestButton(request_names::kDisagreeButton), Qt::LeftButton);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
    open();
    click(names::kVersion);
    request()->close();
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->findChild<ui::AboutWindow*>()->isVisible());
    EXPECT_EQ(said(), download);
}

TEST_F(CreateWindowTest, TheRequestAnswersEnterOnItsButtonsAndEscapeRefuses) {
    struct KeyCase {
        const char* focused;  // the button that has the focus, or nullptr for the request text
        Qt::Key key;
        bool agreed;  // whether the program goes on (true) or ends (false)
    };
    const KeyCase cases[] = {{request_names::kAgreeButton, Qt::Key_Return, true},
                             {request_names::kAgreeButton, Qt::Key_Enter, true},
                             {request_names::kDisagreeButton, Qt::Key_Return, false},
                             {request_names::kDisagreeButton, Qt::Key_Enter, false},
                             {request_names::kAgreeButton, Qt::Key_Escape, false},
                             {nullptr, Qt::Key_Escape, false}};
    for (const auto& [focused, key, agreed] : cases) {
        SCOPED_TRACE(::testing::Message() << (focused ? focused : "text") << " key " << key);
        open();
        QWidget* target = focused ? static_cast<QWidget*>(requestButton(focused))
                                  : request()->findChild<QPlainTextEdit*>();
        target->setFocus();
        QTest::keyClick(target, key);
        EXPECT_EQ(ended(), !agreed);
        EXPECT_EQ(actionButtonsEnabled(true), agreed);
        EXPECT_FALSE(window->findChild<RequestWindow*>() &&
                     window->findChild<RequestWindow*>()->isVisible());
    }
}

TEST_F(CreateWindowTest, TheWindowOpensCentredAndFramedWithinTheScreenAndTheRequestOverIt) {
    open();
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(frame.width(), area.width());
    EXPECT_LE(frame.height() + ui::kFrameAllowance.height(), area.height());
    EXPECT_LE((frame.center() - area.center()).manhattanLength(), 2);
    EXPECT_LE((request()->frameGeometry().center() - frame.center()).manhattanLength(), 2);
}

TEST_F(CreateWindowTest, TheWholeRoadFromConsentToSavedResults) {
    open();
    agree();
    type("Cat");
    EXPECT_TRUE(control<QRadioButton>(ui::names::kEnglishOption)->isChecked());
    EXPECT_EQ(module(), u"COMMON_E.DIC"_s);
    // Saving before any variant analyses first; the dialog is cancelled.
    click(names::kSaveButton);
    EXPECT_TRUE(dialogs.saveRequests().empty());
    waitForRun();
    EXPECT_EQ(dialogs.saveRequests().size(), 1u);
    EXPECT_FALSE(start.exists("LastPathSynth.txt"));
    EXPECT_EQ(phrase()->text(), u"cat  "_s);
    EXPECT_EQ(progressText(), u"Готово  100 %"_s);
    EXPECT_TRUE(result()->isEnabled());
    EXPECT_EQ(result()->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    const QString first = result()->text();
    EXPECT_TRUE(kCatVariants.contains(first)) << first.toStdString();
    pressEnter();
    const QString second = result()->text();
    EXPECT_TRUE(kCatVariants.contains(second) && second != first);
    // Back through the ring: slot 1, then the empty slots 0 and 10.
    for (const QString& slot : {first, QString(), QString()}) {
        click(names::kPreviousButton);
        EXPECT_EQ(result()->text(), slot);
    }

    std::filesystem::create_directory(start / "out");
    dialogs.queueFile(QString::fromStdString((start / "out" / "cat.txt").string()));
    click(names::kSaveButton);
    const auto& asked = dialogs.saveRequests().at(1);
    EXPECT_EQ(
        QStringList({asked.title, asked.proposedName, asked.defaultSuffix, asked.initialFolder}),
        QStringList({u"Save File"_s, u"cat"_s, u"txt"_s, ui::firstFolderToBrowse()}));
    // The report holds the line on display: the empty slot 10.
    EXPECT_TRUE(start.read("out/cat.txt")
                    .starts_with(std::string(20, '=') + "\" CAT   \"" + std::string(48, '=') +
                                 "\r\n\r\n" + std::string(15, '-') + "\"  \"" +
                                 std::string(58, '-') + "\r\n"));
    EXPECT_EQ(start.read("LastPathSynth.txt"), (start / "out").string() + "\r\n");

    // The next dialog starts in the remembered folder; a failed write is reported.
    dialogs.queueFile(QString::fromStdString((start / "out" / "cat.txt" / "x.txt").string()));
    click(names::kSaveButton);
    EXPECT_EQ(dialogs.saveRequests().at(2).initialFolder,
              QString::fromStdString((start / "out").string()));
    EXPECT_TRUE(said().startsWith(u"i "_s) && said().contains(u"x.txt"_s));
    EXPECT_EQ(control(names::kNextButton), QApplication::focusWidget());
    // The file type «Текст UTF-8» writes the same results in UTF-8.
    dialogs.queueFile(QString::fromStdString((start / "out" / "cat8.txt").string()), 1);
    click(names::kSaveButton);
    EXPECT_EQ(start.read("out/cat8.txt"),
              TextEncoder({TextEncoding::Utf8, false}).encode(start.read("out/cat.txt")));
}

TEST_F(CreateWindowTest, AnEditWhileAVariantIsShownAsksAndSoDoesExit) {
    open();
    startRun("cat");
    waitForRun();
    const QString shown = result()->text();
    QTest::keyClick(phrase(), Qt::Key_Backspace);  // answered No
    EXPECT_EQ(said(), kStopAsked);
    EXPECT_EQ(phrase()->text(), u"cat  "_s);
    EXPECT_EQ(result()->text(), shown);

    dialogs.queueAnswer(true);
    QTest::keyClick(phrase(), Qt::Key_Backspace);
    EXPECT_EQ(said(), kStopAsked + kStopAsked);
    EXPECT_EQ(phrase()->text(), u"cat "_s);
    EXPECT_TRUE(resultLineIsGrey());
    EXPECT_EQ(progressText(), u"Готово  0 %"_s);
    EXPECT_TRUE(actionButtonsEnabled(true));
    // The edited phrase is analysed afresh, and editing asks no more meanwhile.
    type("s");
    pressEnter();
    waitForRun();
    EXPECT_EQ(phrase()->text(), u"cat s  "_s);
    EXPECT_TRUE(result()->isEnabled());

    // Exit asks now; Yes closes every window of the program.
    click(names::kAddModulesButton);
    click(names::kVersion);
    auto* about = window->findChild<ui::AboutWindow*>();
    EXPECT_EQ(about->findChild<QLabel*>(QString::fromLatin1(ui::about_names::kHeading))->text(),
              u"Синтез подсознательного компонента текста."_s);
    auto* chooser = window->findChild<ui::ModuleChooser*>();
    ASSERT_TRUE(chooser->isVisible());
    click(ui::names::kExitButton);  // answered No
    EXPECT_TRUE(window->isVisible());
    dialogs.queueAnswer(true);
    window->close();
    EXPECT_EQ(said(), kStopAsked + kStopAsked + kExitAsked + kExitAsked);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->isVisible() || about->isVisible() || chooser->isVisible());
}

TEST_F(CreateWindowTest, DuringARunEnterDoesNothingAndAStopEndsItOnlyWhenConfirmed) {
    open({}, gate.wrap(createJob));
    startRun("cat");
    ASSERT_TRUE(driver->awaitHeld(gate));
    EXPECT_TRUE(actionButtonsEnabled(false));
    EXPECT_EQ(progressText(), u"Готово  2 %"_s);
    pressEnter();
    QTest::keyClick(phrase(), Qt::Key_Backspace);  // answered No: the run goes on
    EXPECT_EQ(said(), kStopAsked);
    EXPECT_EQ(phrase()->text(), u"cat  "_s);
    gate.release();
    EXPECT_EQ(driver->awaitEnd(), ui::JobRunner::End::Completed);
    EXPECT_TRUE(kCatVariants.contains(result()->text()));
    // The variant hands the focus to the next-variant button.
    EXPECT_EQ(QApplication::focusWidget(), control(names::kNextButton));
    click(names::kPreviousButton);  // one variant only: the slot before it is empty
    EXPECT_EQ(result()->text(), QString());

    dialogs.queueAnswer(true);
    QTest::keyClick(phrase(), Qt::Key_Backspace);
    gate.rearm();
    pressEnter();
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kStopButton));
    EXPECT_EQ(progressText(), u"Готово  0 %"_s);
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_EQ(driver->awaitEnd(), ui::JobRunner::End::Stopped);
    EXPECT_TRUE(resultLineIsGrey());
    EXPECT_EQ(progressText(), u"Готово  0 %"_s);
    EXPECT_EQ(said(), kStopAsked + kStopAsked + kStopAsked);
}

TEST_F(CreateWindowTest, ARefusalReachesTheUserAndLeavesItsFlags) {
    open();
    agree();
    type("cat");
    // Latin letters while Russian is selected: a single blank, English, the message.
    click(ui::names::kRussianOption);
    EXPECT_EQ(module(), u"COMMON.DIC"_s);
    pressEnter();
    const QString noLetter =
        u"i В строке \"Исходный текст\" должен быть хотя бы один знак на выбранном языке.\n"_s;
    EXPECT_EQ(said(), noLetter);
    EXPECT_EQ(phrase()->text(), u" "_s);
    EXPECT_TRUE(control<QRadioButton>(ui::names::kEnglishOption)->isChecked());
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_TRUE(resultLineIsGrey());
    type("a");        // answered No: the single blank comes back
    window->close();  // answered No
    EXPECT_EQ(said(), noLetter + kStopAsked + kExitAsked);
    EXPECT_EQ(phrase()->text(), u" "_s);
    EXPECT_FALSE(ended());
}

TEST_F(CreateWindowTest, ASearchThatThrowsIsReportedWithItsTextAndFreesTheWindow) {
    open({}, testing::throwingJob<CreateOutcome>("диск отвалился"));
    startRun("cat");
    EXPECT_EQ(driver->awaitEnd(), ui::JobRunner::End::Failed);
    EXPECT_EQ(said(), u"i Синтез прерван из-за ошибки: диск отвалился\n"_s);
    EXPECT_TRUE(actionButtonsEnabled(true));
    EXPECT_TRUE(resultLineIsGrey());
}

}  // namespace
}  // namespace undertext::create
