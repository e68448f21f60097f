#include "embed/ui/form1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/core/codepage.h"
#include "common/ui/result_file_list.h"
#include "common/ui/scripted_dialogs.h"
#include "embed/core/embed_reports.h"
#include "tests/embed/ui/stop_point_gate.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using ui::ShownBox;
namespace support = undertext::testing;

std::string cp(const char* utf8) {
    return utf8ToCp1251(utf8);
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// In «кот ел» the letters «котел» hold «котел» and «тел» across the word
// boundary; «кот» and «ел» are whole words and do not count.
const char* const kModuleWords = "котел\r\nтел\r\nел\r\nкот\r\n";

class EmbedWindow : public ::testing::Test {
  protected:
    support::TempFolder start;  // StartFolder: the modules and LastPath.txt
    support::TempFolder texts;  // SourceFolder
    ui::ScriptedDialogs dialogs{QStringLiteral("Embed")};
    testing::StopPointGate gate;
    std::unique_ptr<Form1> window;
    bool ended = false;

    void SetUp() override { start.write("common.dic", cp(kModuleWords)); }

    void TearDown() override {
        gate.release();
        window.reset();
    }

    void open(SearchJob job = embedSearchJob) {
        window = std::make_unique<Form1>(start.path(), dialogs, std::move(job));
        QObject::connect(window->findChild<ui::JobRunner*>(), &ui::JobRunner::finished,
                         window.get(), [this] { ended = true; });
        window->show();
    }

    template <typename Widget>
    Widget* control(const char* name) const {
        auto* widget =
            window->findChild<Widget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    QString progressText() const { return control<QLabel>("Label2")->text(); }
    QStringList entries(const char* listName) const {
        QStringList names;
        const auto* list = control<QListWidget>(listName);
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->item(i)->text());
        }
        return names;
    }
    bool runButtonsEnabled() const {
        return button("Command5")->isEnabled() && button("Command6")->isEnabled() &&
               button("Command1")->isEnabled();
    }

    // Chooses a file through the scripted picker with "Открыть файл".
    void chooseText(const char* name, const std::string& bytes) {
        dialogs.queueFile(qpath(texts.write(name, bytes)));
        click("Command6");
    }

    void runToTheEnd() {
        ended = false;
        click("Command1");
        ASSERT_TRUE(QTest::qWaitFor([this] { return ended; }, 30000));
    }

    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const auto& box : dialogs.shownOfKind(ShownBox::Kind::Information)) {
            texts.push_back(box.text);
        }
        return texts;
    }
    std::vector<QString> questions() const {
        std::vector<QString> texts;
        for (const auto& box : dialogs.shownOfKind(ShownBox::Kind::Question)) {
            texts.push_back(box.title + u'|' + box.text);
        }
        return texts;
    }
};

const QString kExitAsked = QStringLiteral("Выход?|Действительно хотите выйти из программы?");
const QString kStopAsked = QStringLiteral("Остановка?|Действительно хотите остановить работу?");

TEST_F(EmbedWindow, OpensWithItsControlsTheRussianModuleAndNothingListed) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Поиск \"вложенных\" слов"));
    for (const char* name : {"Command5", "Command6", "Command1", "Command2", "Command3"}) {
        EXPECT_TRUE(button(name)->isEnabled()) << name;
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    }
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), QString());
    EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("common.dic")});
    EXPECT_EQ(control<ui::ResultFileList>("File2")->pattern(), QStringLiteral("no file at all"));
    EXPECT_EQ(progressText(), QStringLiteral("Готово   0 %"));
    EXPECT_TRUE(dialogs.shown().empty());

    QTest::mouseClick(control<QLabel>("Label7"), Qt::LeftButton);
    auto* about = window->findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());

    // Before any run the window closes without a question, the About window too.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(about->isVisible());
}

TEST_F(EmbedWindow, StartUpWithoutModulesShowsTheAboutWindowAndTheWarning) {
    std::filesystem::remove(start / "common.dic");
    window = std::make_unique<Form1>(start.path(), dialogs);
    window->startUp();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Скачайте, разархивируйте и перепишите модули словарей в "
                              "директорию программы")});
    auto* about = window->findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(entries("List1"), QStringList());

    // A confirmed exit takes the About window with it.
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(about->isVisible());
}

TEST_F(EmbedWindow, ARunThroughTheWindowWritesTheFourReportsAndListsThem) {
    open();
    chooseText("a.txt", cp("кот ел\r\n"));
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(control<ui::ResultFileList>("File2")->pattern(), QStringLiteral("a.txt_emb*.*"));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(window->focusWidget(), button("Command1"));

    runToTheEnd();
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 100);
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(entries("File2"), (QStringList{QStringLiteral("a.txt_Emb.txt"),
                                             QStringLiteral("a.txt_EmbSortByAlf.txt"),
                                             QStringLiteral("a.txt_EmbSortByFriq.txt"),
                                             QStringLiteral("a.txt_EmbSortByLen.txt")}));
    EXPECT_FALSE(texts.exists("~$a.txt"));

    // The window hands the job exactly what the batch path would: same reports.
    support::TempFolder direct;
    direct.write("a.txt", cp("кот ел\r\n"));
    UnwatchedJob unwatched;
    ASSERT_EQ(
        embedSearchJob({direct.path(), "a.txt", Language::Russian, {"common.dic"}, start.path()},
                       unwatched, [] {})
            .ending,
        EmbedEnding::Completed);
    for (const char* suffix :
         {kTextOrderSuffix, kByFrequencySuffix, kByLengthSuffix, kAlphabeticalSuffix}) {
        const std::string name = std::string("a.txt") + suffix;
        EXPECT_EQ(texts.read(name), direct.read(name)) << name;
    }
    EXPECT_NE(texts.read("a.txt_Emb.txt").find(cp("котел,тел,")), std::string::npos);

    // A completed run clears the busy flag: the window closes without a question.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(questions().empty());
}

TEST_F(EmbedWindow, RefusedRunsShowTheirMessageAndLeaveTheWindowBusy) {
    open();
    click("Command1");
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Выберите исходный файл")});
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(progressText(), QStringLiteral("Готово   0 %"));

    // The refused run left the busy flag set: stopping asks, and Yes shows 0.
    dialogs.queueAnswer(true);
    click("Command2");
    EXPECT_EQ(questions(), std::vector<QString>{kStopAsked});
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    click("Command2");  // no longer busy: nothing is asked
    EXPECT_EQ(questions().size(), 1u);

    // English has no default module here, so the list is empty.
    chooseText("b.txt", "plain english words\r\n");
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(entries("List1"), QStringList());
    dialogs.clearShown();
    click("Command1");
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Выберите модули словарей")});
    EXPECT_TRUE(runButtonsEnabled());

    // Closing after a refused run asks first; No keeps the window open.
    click("Command3");
    EXPECT_EQ(questions(), std::vector<QString>{kExitAsked});
    EXPECT_TRUE(window->isVisible());
    dialogs.queueAnswer(true);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EmbedWindow, RunsEndedByAMessageKeepTheirProgressAsTheyShouldAndNeverCrash) {
    open();
    chooseText("short.txt", cp("кот"));
    runToTheEnd();
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Программа работает только с текстами, содержащими 3 и более "
                              "знаков.")});
    EXPECT_EQ(progressText(), QStringLiteral("Готово   0 %"));
    EXPECT_TRUE(runButtonsEnabled());

    dialogs.clearShown();
    chooseText("none.txt", cp("дом и сад\r\n"));
    runToTheEnd();
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Вложенных слов не найдено.")});
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(entries("File2"), QStringList{QStringLiteral("none.txt_Emb.txt")});
    EXPECT_TRUE(runButtonsEnabled());

    // A name typed by hand that leads nowhere: a message naming it, no crash.
    dialogs.clearShown();
    auto* sourceBox = control<QLineEdit>("Text1");
    sourceBox->clear();
    QTest::keyClicks(sourceBox, QStringLiteral("missing.txt"));
    runToTheEnd();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(qpath(texts / "missing.txt")))
        << messages()[0].toStdString();
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_FALSE(texts.exists("~$missing.txt"));

    // None of these runs completed, so leaving asks first.
    EXPECT_FALSE(window->close());
    EXPECT_EQ(questions(), std::vector<QString>{kExitAsked});
}

TEST_F(EmbedWindow, ANameTypedBeforeAnyFileWasChosenIsLookedForInTheStartFolder) {
    start.write("t.txt", cp("кот ел\r\n"));
    open();
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("t.txt"));
    runToTheEnd();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_TRUE(start.exists("t.txt_EmbSortByAlf.txt"));
}

TEST_F(EmbedWindow, TheLanguageSwitchResetsTheModulesTheChooserAdded) {
    start.write("COMMON_E.DIC", "cat\r\n");
    start.write("extra.dic", cp("тело\r\n"));
    open();

    // A double-click on the module list opens the chooser; ">>" and "Готово" add all.
    auto* modules = control<QListWidget>("List1");
    QTest::mouseDClick(modules->viewport(), Qt::LeftButton);
    auto* chooser = window->findChild<QWidget*>(QStringLiteral("Form4"));
    ASSERT_NE(chooser, nullptr);
    QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    EXPECT_EQ(entries("List1"),
              (QStringList{QStringLiteral("common.dic"), QStringLiteral("COMMON_E.DIC"),
                           QStringLiteral("extra.dic")}));

    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("COMMON_E.DIC")});
    QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("common.dic")});

    // "Добавить модули" opens it again.
    click("Command5");
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("Form4")), nullptr);
}

TEST_F(EmbedWindow, AStopConfirmedDuringASearchHoldsTheJobThenShowsZero) {
    open(gate.searchJob());
    chooseText("a.txt", cp("кот ел\r\n"));
    click("Command1");
    EXPECT_FALSE(runButtonsEnabled());
    EXPECT_TRUE(button("Command2")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.reached(); }, 30000));
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return progressText() == QStringLiteral("Готово  2 %"); }));

    // While the question is open the job is held at its stop point.
    auto* runner = window->findChild<ui::JobRunner*>();
    bool heldDuringQuestion = false;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        gate.release();
        for (int i = 0; i < 2000 && !runner->isHeldAtStopPoint(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        heldDuringQuestion = runner->isHeldAtStopPoint();
    });
    dialogs.queueAnswer(true);
    click("Command2");
    EXPECT_TRUE(heldDuringQuestion);
    EXPECT_EQ(questions(), std::vector<QString>{kStopAsked});
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));

    ASSERT_TRUE(QTest::qWaitFor([this] { return ended; }, 30000));
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(texts.exists("a.txt_Emb.txt"));
    EXPECT_FALSE(texts.exists("~$a.txt"));

    // The stop cleared the busy flag.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(questions().size(), 1u);
}

TEST_F(EmbedWindow, AnExitConfirmedDuringASearchEndsTheJobFirstAndClosesEveryWindow) {
    open(gate.searchJob());
    texts.write("a.txt_EmbSortByLen.txt", "an earlier report");
    chooseText("a.txt", cp("кот ел\r\n"));
    click("Command5");
    auto* chooser = window->findChild<QWidget*>(QStringLiteral("Form4"));
    ASSERT_NE(chooser, nullptr);
    click("Command1");
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.reached(); }, 30000));

    // The result list opens a report in the viewer while the search runs.
    auto* results = control<ui::ResultFileList>("File2");
    ASSERT_EQ(results->count(), 1);
    emit results->itemDoubleClicked(results->item(0));
    EXPECT_EQ(dialogs.viewedFiles(), QStringList{qpath(texts / "a.txt_EmbSortByLen.txt")});

    dialogs.setWhileQuestionOpen([&](const ShownBox&) { gate.release(); });
    dialogs.queueAnswer(true);
    click("Command3");
    EXPECT_EQ(questions(), std::vector<QString>{kExitAsked});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(chooser->isVisible());
    // The job had ended by the time the window closed.
    EXPECT_FALSE(window->findChild<ui::JobRunner*>()->isRunning());
    EXPECT_FALSE(texts.exists("~$a.txt"));
}

}  // namespace
}  // namespace undertext::embed
