#include "embed/ui/embed_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/widgets/result_file_list.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/support/window_driver.h"
#include "testing/ui/scripted_dialogs.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::embed {
namespace {

using ui::JobRunner;

const QString kExitAsked = QStringLiteral("Выход?|Действительно хотите выйти из программы?");
const QString kStopAsked = QStringLiteral("Остановка?|Действительно хотите остановить работу?");

class EmbedWindowTest : public ::testing::Test {
  protected:
    undertext::testing::TempFolder start;  // StartFolder: the modules and LastPath.txt
    undertext::testing::TempFolder texts;  // SourceFolder
    ui::ScriptedDialogs dialogs{QStringLiteral("Embed")};
    undertext::testing::JobGate gate;
    std::unique_ptr<EmbedWindow> window;
    std::unique_ptr<undertext::testing::WindowDriver> driver;

    // In «кот ел» the letters «котел» hold «котел» and «тел»; «кот» and «ел» are whole words.
    void SetUp() override {
        start.write("common.dic", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\n"));
    }

    void open(SearchJob job = embedSearchJob) {
        window = std::make_unique<EmbedWindow>(start.path(), dialogs, std::move(job));
        driver = std::make_unique<undertext::testing::WindowDriver>(*window, dialogs);
        window->show();
    }
    void chooseText(const char* name, const char* utf8) {
        driver->choose(texts.write(name, utf8ToCp1251(utf8)), "Command6");
    }
    // The three buttons a run disables, each on its own.
    void expectRunButtons(bool enabled) const {
        for (const char* name : {"Command5", "Command6", "Command1"}) {
            EXPECT_EQ(driver->enabled(name), enabled) << name;
        }
    }
};

TEST_F(EmbedWindowTest, CopiesInOtherEncodingsGiveTheOriginalsReportsAndAnOverrideHoldsOneFile) {
    open();
    undertext::testing::expectCopiesGiveTheOriginalsReports(
        *driver, texts, "Command6", utf8ToCp1251("Кот ел котлету, а котёл стоял на плите.\r\n"),
        {"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt", "_EmbSortByAlf.txt"});
    // UTF-8 bytes forced to be Windows-1251 hold none of the words; choosing the
    // file again goes back to «Авто».
    driver->control<QComboBox>("EncodingBox")->setCurrentText(QStringLiteral("Windows-1251"));
    driver->runToTheEnd("Command1");
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    driver->choose(texts / "u.txt", "Command6");
    EXPECT_EQ(driver->text("EncodingBox"), QStringLiteral("Авто"));
}

TEST_F(EmbedWindowTest, ARunStartedByEnterWritesAndListsTheFourReportsAndEnterOpensOne) {
    open();
    EXPECT_EQ(driver->entries("List1"), QStringList{QStringLiteral("common.dic")});
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово   0 %"));
    texts.write("a.txt_EmbSortByFriq.txt.csv", "");  // an export of a report is no report
    chooseText("a.txt", "кот ел\r\n");
    EXPECT_EQ(driver->text("Text1"), QStringLiteral("a.txt"));
    // The open-file action gave the focus to the start button: Enter starts.
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Completed);
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  100 %"));
    expectRunButtons(true);
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_EQ(driver->entries("File2"), (QStringList{QStringLiteral("a.txt_Emb.txt"),
                                                     QStringLiteral("a.txt_EmbSortByAlf.txt"),
                                                     QStringLiteral("a.txt_EmbSortByFriq.txt"),
                                                     QStringLiteral("a.txt_EmbSortByLen.txt")}));
    EXPECT_NE(texts.read("a.txt_Emb.txt").find(utf8ToCp1251("котел,тел,")), std::string::npos);

    auto* reports = driver->control<ui::ResultFileList>("File2");
    QTest::keyClick(reports, Qt::Key_Return);  // nothing selected: nothing opens
    EXPECT_TRUE(window->findChildren<ui::ReportViewer*>().isEmpty());
    reports->setCurrentRow(1);
    QTest::keyClick(reports, Qt::Key_Enter);
    const auto viewers = window->findChildren<ui::ReportViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_TRUE(viewers.front()->windowTitle().endsWith(QStringLiteral("a.txt_EmbSortByAlf.txt")));
    // A completed run clears the busy flag: the window closes without a question.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(driver->questions().empty());
}

TEST_F(EmbedWindowTest, RunsEndedByAMessageLeaveTheWindowBusy) {
    open();
    driver->click("Command1");
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Выберите исходный файл"));
    expectRunButtons(true);
    // The refused run left the busy flag set: stopping asks, and Yes shows 0.
    dialogs.queueAnswer(true);
    driver->click("Command2");
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  0 %"));
    driver->click("Command2");  // no longer busy: nothing is asked
    EXPECT_EQ(driver->questions(), QStringList{kStopAsked});

    // English has no default module here; Russian brings its own back.
    chooseText("b.txt", "plain english words\r\n");
    EXPECT_TRUE(driver->control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(driver->entries("List1"), QStringList());
    driver->click("Command1");
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Выберите модули словарей"));
    driver->click("Option1");
    EXPECT_EQ(driver->entries("List1"), QStringList{QStringLiteral("common.dic")});

    // The job's own message reaches the user, and the list shows what was written.
    chooseText("none.txt", "дом и сад\r\n");
    driver->runToTheEnd("Command1");
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(driver->entries("File2"), QStringList{QStringLiteral("none.txt_Emb.txt")});
    expectRunButtons(true);

    // None of these runs completed, so leaving asks first; No keeps the window.
    driver->click("Command3");
    EXPECT_EQ(driver->questions(), QStringList({kStopAsked, kExitAsked}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EmbedWindowTest, AStopConfirmedMidRunHoldsTheJobShowsZeroAndListsWhatIsOnDisk) {
    // A job that wrote one report before the stop reached it.
    open(gate.wrap([this](const EmbedJobInputs&, JobControl& control) {
        control.progress(2);
        texts.write("a.txt_Emb.txt", "");
        return EmbedOutcome{control.stopPoint() ? EmbedEnding::Stopped : EmbedEnding::Completed,
                            ""};
    }));
    chooseText("a.txt", "кот ел\r\n");
    driver->click("Command1");
    expectRunButtons(false);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return driver->text("Label2") == QStringLiteral("Готово  2 %"); }));
    EXPECT_TRUE(driver->confirmWhileHeld(gate, "Command2"));
    expectRunButtons(true);
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  0 %"));
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  0 %"));
    EXPECT_EQ(driver->entries("File2"), QStringList{QStringLiteral("a.txt_Emb.txt")});
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_TRUE(window->close());  // the stop cleared the busy flag
    EXPECT_EQ(driver->questions(), QStringList{kStopAsked});
}

TEST_F(EmbedWindowTest, AnExitConfirmedDuringASearchEndsTheJobFirstAndClosesEveryWindow) {
    open(gate.wrap(embedSearchJob));
    chooseText("a.txt", "кот ел\r\n");
    QTest::mouseDClick(driver->control<QListWidget>("List1")->viewport(), Qt::LeftButton);
    auto* chooser = window->findChild<QWidget*>(QStringLiteral("Form4"));
    ASSERT_NE(chooser, nullptr);
    driver->click("Command1");
    EXPECT_TRUE(driver->confirmWhileHeld(gate, "Command3"));
    EXPECT_EQ(driver->questions(), QStringList{kExitAsked});
    // The windows go at once; the program waits for the job as the window goes.
    EXPECT_FALSE(window->isVisible() || chooser->isVisible());
    driver.reset();
    window.reset();
    EXPECT_FALSE(texts.exists("~$a.txt") || texts.exists("a.txt_Emb.txt"));
}

TEST_F(EmbedWindowTest, AJobThatThrowsIsReportedWithItsTextAndFreesTheWindow) {
    open(undertext::testing::throwingJob<EmbedOutcome>("диск отвалился"));
    chooseText("a.txt", "кот ел\r\n");
    EXPECT_EQ(driver->runToTheEnd("Command1"), JobRunner::End::Failed);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Поиск прерван из-за ошибки.\nдиск отвалился"));
    expectRunButtons(true);
}

TEST_F(EmbedWindowTest, AStopAfterTheLastStopPointLeavesACompletedRun) {
    // The stop comes after the job's last stop point: the run is complete.
    open(gate.wrapEnd(embedSearchJob));
    chooseText("b.txt", "кот ел\r\n");
    driver->click("Command1");
    ASSERT_TRUE(driver->awaitHeld(gate));
    dialogs.queueAnswer(true);
    driver->click("Command2");
    gate.release();
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text("Label2"), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(driver->entries("File2").size(), 4);
    expectRunButtons(true);
    EXPECT_TRUE(window->close());
}

TEST_F(EmbedWindowTest, ATypedPathIsAChoiceAndANameLeadingNowhereIsRefused) {
    open();
    texts.write("typed.txt", utf8ToCp1251("кот ел\r\n"));
    // An absolute path: the run goes to the file's folder and lists its reports.
    driver->control<QLineEdit>("Text1")->setText(
        QString::fromStdString((texts / "typed.txt").string()));
    EXPECT_EQ(driver->runToTheEnd("Command1"), JobRunner::End::Completed);
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_EQ(driver->text("Text1"), QStringLiteral("typed.txt"));
    EXPECT_EQ(driver->entries("File2").size(), 4);
    EXPECT_TRUE(start.exists("LastPath.txt"));
    // A name relative to SourceFolder that leads nowhere is refused by the search.
    driver->control<QLineEdit>("Text1")->setText(QStringLiteral("missing.txt"));
    driver->runToTheEnd("Command1");
    EXPECT_EQ(driver->text("Text1"), QStringLiteral("missing.txt"));
    EXPECT_TRUE(driver->lastMessage().contains(QStringLiteral("missing.txt")))
        << driver->lastMessage().toStdString();
    EXPECT_FALSE(start.exists("missing.txt_Emb.txt"));
}

}  // namespace
}  // namespace undertext::embed
