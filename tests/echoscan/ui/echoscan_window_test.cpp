#include "echoscan/ui/echoscan_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include <QComboBox>

#include "common/core/files/text_lock.h"
#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/result_file_list.h"
#include "echoscan/ui/echoscan_object_names.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/support/window_driver.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::echoscan {
namespace {

using ui::JobRunner;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const std::string kVerse = utf8ToCp1251("Мама мыла раму, мама мыла окно.\r\n");
const QString kExitAsked = q("Выход?|Действительно хотите выйти из программы?");
const QString kStopAsked = q("Остановка?|Действительно хотите остановить работу?");

class EchoscanWindowTest : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder texts;
    ui::ScriptedDialogs dialogs{q(kApplicationTitle)};
    testing::JobGate gate;
    std::unique_ptr<EchoscanWindow> window;
    std::unique_ptr<testing::WindowDriver> driver;

    void open(JobFunction<EchoscanRequest, EchoscanOutcome> job = echoscanJob) {
        window = std::make_unique<EchoscanWindow>(start.path(), dialogs, std::move(job));
        driver = std::make_unique<testing::WindowDriver>(*window, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void openSource() { driver->choose(texts.write("text.txt", kVerse), names::kOpenFileButton); }
    void setLengths(const char* from, const char* to) {
        driver->control<QComboBox>(names::kMinLengthBox)->setCurrentText(q(from));
        driver->control<QComboBox>(names::kMaxLengthBox)->setCurrentText(q(to));
    }
    // The buttons and inputs a run disables, each on its own.
    void expectRunButtons(bool enabled) const {
        for (const char* name :
             {names::kOpenFileButton, ui::names::kStartButton, names::kMinLengthBox,
              names::kMaxLengthBox, ui::names::kRussianOption, ui::names::kEnglishOption}) {
            EXPECT_EQ(driver->enabled(name), enabled) << name;
        }
    }
};

TEST_F(EchoscanWindowTest, CopiesInOtherEncodingsGiveTheOriginalsReportsAndAnOverrideHoldsOneFile) {
    open();
    testing::expectCopiesGiveTheOriginalsReports(
        *driver, texts, names::kOpenFileButton, kVerse,
        {"_RecPrep.txt", "_RecSortByLen.txt", "_RecSortByAlf.txt", "_RecSortByFriq.txt"});
    // The KOI8-R copy forced to be Windows-1251 is read byte for byte as such.
    driver->control<QComboBox>(ui::names::kEncodingBox)->setCurrentText(q("Windows-1251"));
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(texts.read("k.txt_RecPrep.txt").size(), kVerse.size() - 3);
    EXPECT_NE(texts.read("k.txt_RecPrep.txt"), texts.read("w.txt_RecPrep.txt"));
    driver->choose(texts / "k.txt", names::kOpenFileButton);
    EXPECT_EQ(driver->text(ui::names::kEncodingBox), q("Авто"));
}

TEST_F(EchoscanWindowTest, TheLengthsOfARunThatPassedItsCheckAreThereAtTheNextStart) {
    open();
    EXPECT_EQ(driver->text(names::kMinLengthBox), q("4"));
    EXPECT_EQ(driver->text(names::kMaxLengthBox), q("40"));
    openSource();
    setLengths(" +6 ", "12");
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    setLengths("7", "lots");  // refused: not remembered
    driver->click(ui::names::kStartButton);
    driver.reset();
    window.reset();
    open();
    EXPECT_EQ(driver->text(names::kMinLengthBox), q("6"));
    EXPECT_EQ(driver->text(names::kMaxLengthBox), q("12"));
}

TEST_F(EchoscanWindowTest, ShowsItsControlsAndItsOwnAboutWindow) {
    open();
    EXPECT_EQ(window->windowTitle(), q("Поиск повторяющихся фрагментов текста"));
    const std::pair<const char*, const char*> captions[] = {
        {names::kHeading, "Поиск повторяющихся фрагментов текста"},
        {names::kVersion, "Версия 2.1"},
        {names::kLengthsCaption, "Размеры фрагментов"},
        {names::kFromLabel, "от"},
        {names::kMinLengthBox, "4"},
        {names::kToLabel, "до"},
        {names::kMaxLengthBox, "40"},
        {names::kUnitLabel, "знаков"},
        {names::kLanguageCaption, "Язык текста:"},
        {ui::names::kRussianOption, "Русский"},
        {ui::names::kEnglishOption, "Английский"},
        {names::kSourceCaption, "Исходный текстовый файл (click)"},
        {names::kResultsCaption, "Файлы результатов:"},
        {ui::names::kProgressLabel, "Готово   0 %"},
        {names::kOpenFileButton, "Открыть файл"},
        {ui::names::kStartButton, "Начать поиск"},
        {ui::names::kStopButton, "Остановить"},
        {ui::names::kExitButton, "Выйти"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(driver->text(name), q(caption)) << name;
        EXPECT_TRUE(driver->enabled(name)) << name;
    }
    EXPECT_EQ(driver->control<QComboBox>(names::kMinLengthBox)->count(), 39);
    EXPECT_EQ(driver->control<QComboBox>(names::kMaxLengthBox)->itemText(39), q("40"));
    EXPECT_TRUE(driver->control(ui::names::kRussianOption)->isChecked());

    driver->click(names::kVersion);
    auto* about = window->findChild<QWidget*>(QString::fromLatin1(ui::about_names::kWindow));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QWidget*>(QString::fromLatin1(ui::about_names::kHeading))
                  ->property("text"),
              q("Поиск повторяющихся фрагментов текста."));
    // Before any run the window closes without a question, and the About window goes too.
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(EchoscanWindowTest, AWholeRunWritesThePreparedTextAndTheThreeReports) {
    open();
    texts.write("text.txt_RecSortByLen.csv", "");  // an export of a report is no report
    openSource();
    EXPECT_EQ(driver->text(names::kSourceBox), q("text.txt"));
    EXPECT_EQ(driver->control<ui::ResultFileList>(ui::names::kResultList)->pattern(),
              q("text.txt_Rec*.*"));
    EXPECT_TRUE(driver->entries(ui::names::kResultList).isEmpty());
    setLengths("2", "40");
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), q("Готово  100 %"));
    expectRunButtons(true);
    EXPECT_EQ(driver->entries(ui::names::kResultList),
              (QStringList{q("text.txt_RecPrep.txt"), q("text.txt_RecSortByAlf.txt"),
                           q("text.txt_RecSortByFriq.txt"), q("text.txt_RecSortByLen.txt")}));
    // The job got the window's lengths, language and folder.
    const auto byLength = cp1251ToUtf8(texts.read("text.txt_RecSortByLen.txt"));
    EXPECT_TRUE(
        byLength.starts_with("  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов."));
    EXPECT_NE(byLength.find("\r\nмама мыла  2       10\r\n"), std::string::npos);
    EXPECT_TRUE(window->close());  // a completed run clears the busy flag
    EXPECT_EQ(dialogs.shown().size(), 1u) << "only the open dialog";
}

TEST_F(EchoscanWindowTest, ReportsOverAGigabyteAreWrittenOnlyAfterYesToTheirSize) {
    // The real job, with a gigabyte added to the size it asks about.
    open([](EchoscanRequest request, JobControl& control) {
        request.approveReportSize = [asked = request.approveReportSize](std::uint64_t bytes) {
            return asked(bytes + kLargeReportSetBytes);
        };
        return echoscanJob(request, control);
    });
    openSource();
    setLengths("2", "40");
    dialogs.queueAnswer(true);
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), q("Готово  100 %"));
    const auto firstReport = texts.read("text.txt_RecSortByLen.txt");
    EXPECT_NE(firstReport.find(utf8ToCp1251("от 2 до 40")), std::string::npos);

    setLengths("3", "5");
    dialogs.queueAnswer(false);
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    const auto asked = dialogs.shownOfKind(ui::ShownBox::Kind::Question);
    ASSERT_EQ(asked.size(), 2U);
    for (const auto& question : asked) {
        EXPECT_EQ(question.text, q("Отчёты займут 1,1 ГБ. Продолжить?"));
    }
    // No: the earlier set stays as it was, and nothing else is said.
    EXPECT_EQ(texts.read("text.txt_RecSortByLen.txt"), firstReport);
    EXPECT_TRUE(dialogs.shownOfKind(ui::ShownBox::Kind::Information).empty());
    expectRunButtons(true);
}

TEST_F(EchoscanWindowTest, ARunWaitsWhileAnotherHoldsItsTextStopsOnRequestAndRunsWhenItIsFree) {
    open();
    openSource();
    setLengths("2", "40");
    std::optional<TextLock> other(std::in_place, texts / "text.txt");
    ASSERT_TRUE(other->tryLock());
    const auto waitsForTheOther = [&] {
        return QTest::qWaitFor(
            [&] { return driver->text(ui::names::kProgressLabel) == q(kOtherRunWaitingText); });
    };

    driver->click(ui::names::kStartButton);
    ASSERT_TRUE(waitsForTheOther());
    QTest::qWait(200);
    EXPECT_FALSE(texts.exists("text.txt_RecPrep.txt"));
    dialogs.queueAnswer(true);
    driver->click(ui::names::kStopButton);
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), q("Остановлено на 0 %"));
    EXPECT_FALSE(texts.exists("text.txt_RecPrep.txt"));

    driver->click(ui::names::kStartButton);
    ASSERT_TRUE(waitsForTheOther());
    other.reset();
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Completed);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), q("Готово  100 %"));
    EXPECT_TRUE(texts.exists("text.txt_RecSortByLen.txt"));
}

TEST_F(EchoscanWindowTest, ARefusalReachesTheUserAndLeavesTheWindowBusy) {
    open();
    openSource();
    setLengths("5", "3");
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->lastMessage(),
              q("Минимальная длина должна быть меньше или равна максимальной длине фрагмента."));
    expectRunButtons(true);
    EXPECT_FALSE(texts.exists("text.txt_RecSortByLen.txt"));
    // The refused run leaves the busy flag set: stop and exit ask, and No keeps the window.
    driver->click(ui::names::kStopButton);
    driver->click(ui::names::kExitButton);
    EXPECT_TRUE(window->isVisible());
    dialogs.queueAnswer(true);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(driver->questions(), (QStringList{kStopAsked, kExitAsked, kExitAsked}));
}

TEST_F(EchoscanWindowTest,
       DuringARunItsInputsAreLockedAndAConfirmedStopShowsZeroAndWritesNoReport) {
    open(gate.wrap(echoscanJob));
    openSource();
    driver->click(ui::names::kStartButton);
    expectRunButtons(false);
    ASSERT_TRUE(driver->awaitHeld(gate));
    expectRunButtons(false);
    // A double-click on the source box opens no dialog while the run goes on.
    QTest::mouseDClick(driver->control<QWidget>(names::kSourceBox), Qt::LeftButton);
    EXPECT_EQ(dialogs.openRequests().size(), 1u);
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kStopButton));
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), q("Остановлено на 2 %"));
    expectRunButtons(true);
    EXPECT_FALSE(texts.exists("text.txt_RecSortByLen.txt"));
    EXPECT_EQ(driver->messageCount(), 0u);
    QTest::mouseDClick(driver->control<QWidget>(names::kSourceBox), Qt::LeftButton);
    EXPECT_EQ(dialogs.openRequests().size(), 2u);
    EXPECT_TRUE(window->close()) << "the stop cleared the busy flag";
}

TEST_F(EchoscanWindowTest, AStopConfirmedAfterThePreparedTextListsItAllTheSame) {
    // A job that wrote the prepared text before the stop reached it; what it told
    // the list goes unheard once the stop is confirmed.
    open(gate.wrap([this](const EchoscanRequest&, JobControl& control) {
        texts.write("text.txt_RecPrep.txt", "");
        return control.stopPoint() ? EchoscanOutcome::stopped() : EchoscanOutcome::completed();
    }));
    openSource();
    driver->click(ui::names::kStartButton);
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kStopButton));
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->entries(ui::names::kResultList), QStringList{q("text.txt_RecPrep.txt")});
}

TEST_F(EchoscanWindowTest, AnExitConfirmedMidRunEndsTheJobAndClosesEveryWindow) {
    open(gate.wrap(echoscanJob));
    driver->click(names::kVersion);
    openSource();
    driver->click(ui::names::kStartButton);
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kExitButton));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(
        window->findChild<QWidget*>(QString::fromLatin1(ui::about_names::kWindow))->isVisible());
    // The windows go at once; the program waits for the job as the window goes.
    driver.reset();
    window.reset();
    EXPECT_FALSE(texts.exists("text.txt_RecSortByLen.txt"));
}

TEST_F(EchoscanWindowTest, AJobThatThrowsIsReportedWithItsTextAndFreesTheWindow) {
    open(testing::throwingJob<EchoscanOutcome>("диск отвалился"));
    openSource();
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Failed);
    EXPECT_EQ(driver->lastMessage(), q("Поиск прерван из-за ошибки: диск отвалился"));
    expectRunButtons(true);
}

}  // namespace
}  // namespace undertext::echoscan
