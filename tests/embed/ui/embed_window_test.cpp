#include "embed/ui/embed_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>

#include "common/core/files/text_lock.h"
#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/result_file_list.h"
#include "embed/ui/embed_object_names.h"
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

    void open(JobFunction<EmbedRequest, EmbedOutcome> job = embedJob) {
        window = std::make_unique<EmbedWindow>(start.path(), dialogs, std::move(job));
        driver = std::make_unique<undertext::testing::WindowDriver>(*window, dialogs);
        window->show();
    }
    void chooseText(const char* name, const char* utf8) {
        driver->choose(texts.write(name, utf8ToCp1251(utf8)), names::kOpenFileButton);
    }
    // The three buttons, the language options and the significance check box a run
    // disables, each on its own.
    void expectRunButtons(bool enabled) const {
        for (const char* name :
             {names::kAddModulesButton, names::kOpenFileButton, ui::names::kStartButton,
              ui::names::kRussianOption, ui::names::kEnglishOption, names::kSignificanceCheck}) {
            EXPECT_EQ(driver->enabled(name), enabled) << name;
        }
    }
};

TEST_F(EmbedWindowTest, CopiesInOtherEncodingsGiveTheOriginalsReportsAndAnOverrideHoldsOneFile) {
    open();
    undertext::testing::expectCopiesGiveTheOriginalsReports(
        *driver, texts, names::kOpenFileButton,
        utf8ToCp1251("Кот ел котлету, а котёл стоял на плите.\r\n"),
        {"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt", "_EmbSortByAlf.txt"});
    // UTF-8 bytes forced to be Windows-1251 hold none of the words; choosing the
    // file again goes back to «Авто».
    driver->control<QComboBox>(ui::names::kEncodingBox)
        ->setCurrentText(QStringLiteral("Windows-1251"));
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    driver->choose(texts / "u.txt", names::kOpenFileButton);
    EXPECT_EQ(driver->text(ui::names::kEncodingBox), QStringLiteral("Авто"));
}

TEST_F(EmbedWindowTest, TheWindowShowsTheEncodingInForceAndOnlyTheReportsOfItsRun) {
    open();
    const std::string text = utf8ToCp1251("Кот ел котлету.\r\n");
    driver->choose(texts.write("a.txt", text), names::kOpenFileButton);
    // A sorted report an earlier run left; a run that finds nothing writes none.
    texts.write("a.txt_EmbSortByAlf.txt", "");
    std::filesystem::last_write_time(
        texts / "a.txt_EmbSortByAlf.txt",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    driver->control<QComboBox>(ui::names::kEncodingBox)->setCurrentText(QStringLiteral("UTF-8"));
    const QString replaced =
        ui::replacedBytesText(decodeText(text, TextEncoding::Utf8).invalidBytes);
    ASSERT_FALSE(replaced.isEmpty());
    EXPECT_EQ(driver->text(ui::names::kEncodingLabel),
              QStringLiteral("Кодировка: UTF-8") + replaced);
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  100 %") + replaced);
    EXPECT_EQ(driver->entries(ui::names::kResultList),
              QStringList{QStringLiteral("a.txt_Emb.txt")});
    // Choosing the text again: nothing has run for it yet, and all its reports show.
    driver->choose(texts / "a.txt", names::kOpenFileButton);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово   0 %"));
    EXPECT_EQ(driver->text(ui::names::kEncodingLabel), QStringLiteral("Кодировка: Windows-1251"));
    EXPECT_EQ(
        driver->entries(ui::names::kResultList),
        (QStringList{QStringLiteral("a.txt_Emb.txt"), QStringLiteral("a.txt_EmbSortByAlf.txt")}));
}

TEST_F(EmbedWindowTest, ATextGivenOnTheCommandLineIsChosenAsFromTheDialog) {
    open();
    texts.write("a.txt_Emb.txt", "");
    window->openGivenText(texts.write("a.txt", "plain english words\r\n"));
    EXPECT_EQ(driver->text(names::kSourceBox), QStringLiteral("a.txt"));
    EXPECT_TRUE(driver->control<QRadioButton>(ui::names::kEnglishOption)->isChecked());
    EXPECT_EQ(driver->entries(ui::names::kResultList),
              QStringList{QStringLiteral("a.txt_Emb.txt")});
    EXPECT_EQ(start.read("LastPath.txt"), texts.path().string() + "\r\n");
    EXPECT_EQ(driver->messageCount(), 0u);
    // A name that leads nowhere is told and changes nothing.
    window->openGivenText(texts / "missing.txt");
    EXPECT_EQ(driver->messageCount(), 1u);
    EXPECT_EQ(driver->text(names::kSourceBox), QStringLiteral("a.txt"));
}

TEST_F(EmbedWindowTest, ARunStartedByEnterWritesAndListsTheFourReportsAndEnterOpensOne) {
    open();
    EXPECT_EQ(driver->entries(names::kModuleList), QStringList{QStringLiteral("common.dic")});
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово   0 %"));
    texts.write("a.txt_EmbSortByFriq.txt.csv", "");  // an export of a report is no report
    chooseText("a.txt", "кот ел\r\n");
    EXPECT_EQ(driver->text(names::kSourceBox), QStringLiteral("a.txt"));
    // The open-file action gave the focus to the start button: Enter starts.
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Completed);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  100 %"));
    expectRunButtons(true);
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_EQ(
        driver->entries(ui::names::kResultList),
        (QStringList{QStringLiteral("a.txt_Emb.txt"), QStringLiteral("a.txt_EmbSortByAlf.txt"),
                     QStringLiteral("a.txt_EmbSortByFriq.txt"),
                     QStringLiteral("a.txt_EmbSortByLen.txt")}));
    EXPECT_NE(texts.read("a.txt_Emb.txt").find(utf8ToCp1251("котел,тел,")), std::string::npos);

    auto* reports = driver->control<ui::ResultFileList>(ui::names::kResultList);
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

TEST_F(EmbedWindowTest, ReportsOverAGigabyteAreWrittenOnlyAfterYesToTheirSize) {
    // The real job, with a gigabyte added to the size it asks about.
    open([](EmbedRequest request, JobControl& control) {
        request.approveReportSize = [asked = request.approveReportSize](std::uint64_t bytes) {
            return asked(bytes + kLargeReportSetBytes);
        };
        return embedJob(request, control);
    });
    chooseText("a.txt", "кот ел\r\n");
    dialogs.queueAnswer(true);
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  100 %"));
    const auto firstReport = texts.read("a.txt_Emb.txt");
    EXPECT_NE(firstReport.find(utf8ToCp1251("котел,тел,")), std::string::npos);

    texts.write("a.txt", utf8ToCp1251("ел кот\r\n"));
    dialogs.queueAnswer(false);
    ASSERT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    const auto asked = dialogs.shownOfKind(ui::ShownBox::Kind::Question);
    ASSERT_EQ(asked.size(), 2U);
    for (const auto& question : asked) {
        EXPECT_EQ(question.text, QStringLiteral("Отчёты займут 1,1 ГБ. Продолжить?"));
    }
    // No: the earlier set stays as it was, and nothing else is said.
    EXPECT_EQ(texts.read("a.txt_Emb.txt"), firstReport);
    EXPECT_EQ(driver->messageCount(), 0u);
    expectRunButtons(true);
}

TEST_F(EmbedWindowTest, AWindowClosedWhileItsRunWaitsForAnotherRunOnTheTextEndsAtOnce) {
    open();
    chooseText("a.txt", "кот ел\r\n");
    TextLock other(texts / "a.txt");
    ASSERT_TRUE(other.tryLock());
    driver->click(ui::names::kStartButton);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return driver->text(ui::names::kProgressLabel) == QString::fromUtf8(kOtherRunWaitingText);
    }));
    dialogs.queueAnswer(true);
    const auto closing = std::chrono::steady_clock::now();
    EXPECT_TRUE(window->close());
    driver.reset();
    window.reset();  // waits for the job
    EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(1));
    EXPECT_FALSE(texts.exists("a.txt_Emb.txt"));
}

TEST_F(EmbedWindowTest, RunsEndedByAMessageLeaveTheWindowBusy) {
    open();
    driver->click(ui::names::kStartButton);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Выберите исходный файл"));
    expectRunButtons(true);
    // The refused run left the busy flag set: stopping asks, and Yes shows 0.
    dialogs.queueAnswer(true);
    driver->click(ui::names::kStopButton);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  0 %"));
    driver->click(ui::names::kStopButton);  // no longer busy: nothing is asked
    EXPECT_EQ(driver->questions(), QStringList{kStopAsked});

    // English has no default module here; Russian brings its own back.
    chooseText("b.txt", "plain english words\r\n");
    EXPECT_TRUE(driver->control<QRadioButton>(ui::names::kEnglishOption)->isChecked());
    EXPECT_EQ(driver->entries(names::kModuleList), QStringList());
    driver->click(ui::names::kStartButton);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Выберите модули словарей"));
    driver->click(ui::names::kRussianOption);
    EXPECT_EQ(driver->entries(names::kModuleList), QStringList{QStringLiteral("common.dic")});

    // The job's own message reaches the user, and the list shows what was written.
    chooseText("none.txt", "дом и сад\r\n");
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(driver->entries(ui::names::kResultList),
              QStringList{QStringLiteral("none.txt_Emb.txt")});
    expectRunButtons(true);

    // None of these runs completed, so leaving asks first; No keeps the window.
    driver->click(ui::names::kExitButton);
    EXPECT_EQ(driver->questions(), QStringList({kStopAsked, kExitAsked}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EmbedWindowTest, AStopConfirmedMidRunHoldsTheJobShowsZeroAndListsWhatIsOnDisk) {
    // A job that wrote one report before the stop reached it.
    open(gate.wrap([this](const EmbedRequest&, JobControl& control) {
        control.progress(2);
        texts.write("a.txt_Emb.txt", "");
        return control.stopPoint() ? EmbedOutcome::stopped() : EmbedOutcome::completed();
    }));
    chooseText("a.txt", "кот ел\r\n");
    driver->click(ui::names::kStartButton);
    expectRunButtons(false);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return driver->text(ui::names::kProgressLabel) == QStringLiteral("Готово  2 %"); }));
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kStopButton));
    expectRunButtons(true);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Остановлено на 2 %"));
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Остановлено на 2 %"));
    EXPECT_EQ(driver->control<QProgressBar>(ui::names::kProgressBar)->value(), 0);
    EXPECT_EQ(driver->entries(ui::names::kResultList),
              QStringList{QStringLiteral("a.txt_Emb.txt")});
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_TRUE(window->close());  // the stop cleared the busy flag
    EXPECT_EQ(driver->questions(), QStringList{kStopAsked});
}

TEST_F(EmbedWindowTest, AnExitConfirmedDuringASearchEndsTheJobFirstAndClosesEveryWindow) {
    open(gate.wrap(embedJob));
    chooseText("a.txt", "кот ел\r\n");
    QTest::mouseDClick(driver->control<QListWidget>(names::kModuleList)->viewport(),
                       Qt::LeftButton);
    auto* chooser = window->findChild<QWidget*>(QString::fromLatin1(ui::chooser_names::kWindow));
    ASSERT_NE(chooser, nullptr);
    driver->click(ui::names::kStartButton);
    EXPECT_TRUE(driver->confirmWhileHeld(gate, ui::names::kExitButton));
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
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Failed);
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Поиск прерван из-за ошибки.\nдиск отвалился"));
    expectRunButtons(true);
}

TEST_F(EmbedWindowTest, AStopAfterTheLastStopPointLeavesACompletedRun) {
    // The stop comes after the job's last stop point: the run is complete.
    open(gate.wrapEnd(embedJob));
    chooseText("b.txt", "кот ел\r\n");
    driver->click(ui::names::kStartButton);
    ASSERT_TRUE(driver->awaitHeld(gate));
    dialogs.queueAnswer(true);
    driver->click(ui::names::kStopButton);
    gate.release();
    EXPECT_EQ(driver->awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(driver->text(ui::names::kProgressLabel), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(driver->entries(ui::names::kResultList).size(), 4);
    expectRunButtons(true);
    EXPECT_TRUE(window->close());
}

TEST_F(EmbedWindowTest, ATypedPathIsAChoiceAndANameLeadingNowhereIsRefused) {
    open();
    texts.write("typed.txt", utf8ToCp1251("кот ел\r\n"));
    // An absolute path: the run goes to the file's folder and lists its reports.
    driver->control<QLineEdit>(names::kSourceBox)
        ->setText(QString::fromStdString((texts / "typed.txt").string()));
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_EQ(driver->text(names::kSourceBox), QStringLiteral("typed.txt"));
    EXPECT_EQ(driver->entries(ui::names::kResultList).size(), 4);
    EXPECT_TRUE(start.exists("LastPath.txt"));
    // A name relative to SourceFolder that leads nowhere is refused by the search.
    driver->control<QLineEdit>(names::kSourceBox)->setText(QStringLiteral("missing.txt"));
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(driver->text(names::kSourceBox), QStringLiteral("missing.txt"));
    EXPECT_TRUE(driver->lastMessage().contains(QStringLiteral("missing.txt")))
        << driver->lastMessage().toStdString();
    EXPECT_FALSE(start.exists("missing.txt_Emb.txt"));
}

TEST_F(EmbedWindowTest, TheSignificanceCheckBoxAddsItsFileToTheListedReports) {
    open();
    auto* check = driver->control<QCheckBox>(names::kSignificanceCheck);
    EXPECT_EQ(check->text(), QStringLiteral("Оценить случайность"));
    EXPECT_FALSE(check->isChecked());
    chooseText("a.txt", "Кот ел котлету, а котел стоял. Кот ел.\r\n");
    check->setChecked(true);
    EXPECT_EQ(driver->runToTheEnd(ui::names::kStartButton), JobRunner::End::Completed);
    EXPECT_EQ(driver->messageCount(), 0u);
    EXPECT_EQ(
        driver->entries(ui::names::kResultList),
        (QStringList{QStringLiteral("a.txt_Emb.txt"), QStringLiteral("a.txt_EmbSignificance.tsv"),
                     QStringLiteral("a.txt_EmbSortByAlf.txt"),
                     QStringLiteral("a.txt_EmbSortByFriq.txt"),
                     QStringLiteral("a.txt_EmbSortByLen.txt")}));
    EXPECT_TRUE(texts.read("a.txt_EmbSignificance.tsv").starts_with("word\tobserved\t"));
}

TEST_F(EmbedWindowTest, TheCheckBoxAsksForTheDefaultOrderAndANoteIsShownAfterTheRun) {
    std::vector<std::optional<int>> asked;
    open([&](const EmbedRequest& request, JobControl&) {
        asked.push_back(request.significanceOrder);
        EmbedResults results;
        results.significanceNote =
            request.significanceOrder ? "Оценка случайности невозможна." : "";
        return EmbedOutcome::completed(std::move(results));
    });
    chooseText("a.txt", "кот ел\r\n");
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(driver->messageCount(), 0u);
    driver->click(names::kSignificanceCheck);
    driver->runToTheEnd(ui::names::kStartButton);
    EXPECT_EQ(asked, (std::vector<std::optional<int>>{std::nullopt, 1}));
    EXPECT_EQ(driver->lastMessage(), QStringLiteral("Оценка случайности невозможна."));
}

}  // namespace
}  // namespace undertext::embed
