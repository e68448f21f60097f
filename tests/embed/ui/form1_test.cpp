#include "embed/ui/form1.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::embed {
namespace {

using ui::ShownBox;

const QString kExitAsked = QStringLiteral("Выход?|Действительно хотите выйти из программы?");
const QString kStopAsked = QStringLiteral("Остановка?|Действительно хотите остановить работу?");

class EmbedWindow : public ::testing::Test {
  protected:
    undertext::testing::TempFolder start;  // StartFolder: the modules and LastPath.txt
    undertext::testing::TempFolder texts;  // SourceFolder
    ui::ScriptedDialogs dialogs{QStringLiteral("Embed")};
    std::atomic<bool> atGate = false, released = false;
    std::unique_ptr<Form1> window;
    bool ended = false;

    // In «кот ел» the letters «котел» hold «котел» and «тел»; «кот» and «ел» are whole words.
    void SetUp() override {
        start.write("common.dic", utf8ToCp1251("котел\r\nтел\r\nел\r\nкот\r\n"));
    }
    void TearDown() override {
        released = true;
        window.reset();
    }

    // The window with the real search; a gated one holds the job at its first stop
    // point until released, so that the test acts while the run is surely under way.
    void open(bool gated = false) {
        SearchJob job = [this, gated](const EmbedJobInputs& inputs, JobControl& control,
                                      const std::function<void()>& changed) {
            struct Gate final : JobControl {
                EmbedWindow& test;
                JobControl& inner;
                Gate(EmbedWindow& t, JobControl& i) : test(t), inner(i) {}
                void progress(int percent) override { inner.progress(percent); }
                bool stopPoint() override {
                    test.atGate = true;
                    while (!test.released) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    }
                    return inner.stopPoint();
                }
            } gate(*this, control);
            return embedSearchJob(inputs, gated ? gate : control, changed);
        };
        window = std::make_unique<Form1>(start.path(), dialogs, job);
        QObject::connect(window->findChild<ui::JobRunner*>(), &ui::JobRunner::finished,
                         window.get(), [this] { ended = true; });
        window->show();
    }

    template <typename Widget = QPushButton>
    Widget* control(const char* name) const {
        return window->findChild<Widget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString progressText() const { return control<QLabel>("Label2")->text(); }
    QStringList entries(const char* listName) const {
        QStringList names;
        for (const auto* list = control<QListWidget>(listName); names.size() < list->count();) {
            names.append(list->item(static_cast<int>(names.size()))->text());
        }
        return names;
    }
    bool runButtonsEnabled() const {
        return control("Command5")->isEnabled() && control("Command6")->isEnabled() &&
               control("Command1")->isEnabled();
    }
    void chooseText(const char* name, const char* utf8) {
        dialogs.queueFile(QString::fromStdString(texts.write(name, utf8ToCp1251(utf8)).string()));
        click("Command6");
    }
    void runToTheEnd() {
        ended = false;
        click("Command1");
        ASSERT_TRUE(QTest::qWaitFor([this] { return ended; }, 30000));
    }
    QString lastMessage() const {
        const auto shown = dialogs.shownOfKind(ShownBox::Kind::Information);
        return shown.empty() ? QString() : shown.back().text;
    }
    QStringList questions() const {
        QStringList asked;
        for (const auto& box : dialogs.shownOfKind(ShownBox::Kind::Question)) {
            asked.append(box.title + u'|' + box.text);
        }
        return asked;
    }
};

TEST_F(EmbedWindow, ARunThroughTheWindowWritesTheFourReportsAndListsThem) {
    open();
    EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("common.dic")});
    EXPECT_EQ(progressText(), QStringLiteral("Готово   0 %"));
    chooseText("a.txt", "кот ел\r\n");
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(control<ui::ResultFileList>("File2")->pattern(), QStringLiteral("a.txt_emb*.*"));
    EXPECT_EQ(window->focusWidget(), control("Command1"));

    runToTheEnd();
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 100);
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(lastMessage(), QString());
    EXPECT_EQ(entries("File2").join(u' '),
              QStringLiteral("a.txt_Emb.txt a.txt_EmbSortByAlf.txt "
                             "a.txt_EmbSortByFriq.txt a.txt_EmbSortByLen.txt"));
    EXPECT_NE(texts.read("a.txt_Emb.txt").find(utf8ToCp1251("котел,тел,")), std::string::npos);
    EXPECT_FALSE(texts.exists("~$a.txt"));
    // A completed run clears the busy flag: the window closes without a question.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(questions().empty());
}

TEST_F(EmbedWindow, RunsEndedByAMessageLeaveTheWindowBusy) {
    open();
    click("Command1");
    EXPECT_EQ(lastMessage(), QStringLiteral("Выберите исходный файл"));
    EXPECT_TRUE(runButtonsEnabled());
    // The refused run left the busy flag set: stopping asks, and Yes shows 0.
    dialogs.queueAnswer(true);
    click("Command2");
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    click("Command2");  // no longer busy: nothing is asked
    EXPECT_EQ(questions(), QStringList{kStopAsked});

    // English has no default module here; Russian brings its own back.
    chooseText("b.txt", "plain english words\r\n");
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(entries("List1"), QStringList());
    click("Command1");
    EXPECT_EQ(lastMessage(), QStringLiteral("Выберите модули словарей"));
    QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("common.dic")});

    chooseText("none.txt", "дом и сад\r\n");
    runToTheEnd();
    EXPECT_EQ(lastMessage(), QStringLiteral("Вложенных слов не найдено."));
    EXPECT_EQ(progressText(), QStringLiteral("Готово  100 %"));
    EXPECT_EQ(entries("File2"), QStringList{QStringLiteral("none.txt_Emb.txt")});
    // A name typed by hand that leads nowhere: a message naming the file.
    control<QLineEdit>("Text1")->setText(QStringLiteral("missing.txt"));
    runToTheEnd();
    EXPECT_TRUE(lastMessage().contains(QString::fromStdString((texts / "missing.txt").string())));
    EXPECT_TRUE(runButtonsEnabled());

    // None of these runs completed, so leaving asks first; No keeps the window.
    click("Command3");
    EXPECT_EQ(questions(), QStringList({kStopAsked, kExitAsked}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EmbedWindow, AStopConfirmedDuringASearchHoldsTheJobThenShowsZero) {
    open(true);
    chooseText("a.txt", "кот ел\r\n");
    click("Command1");
    EXPECT_FALSE(control("Command5")->isEnabled() || control("Command6")->isEnabled() ||
                 control("Command1")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return atGate && progressText() == QStringLiteral("Готово  2 %"); }));
    // While the question is open the job is held at its stop point.
    auto* runner = window->findChild<ui::JobRunner*>();
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        released = true;
        for (int i = 0; i < 2000 && !runner->isHeldAtStopPoint(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_TRUE(runner->isHeldAtStopPoint());
    });
    dialogs.queueAnswer(true);
    click("Command2");
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(progressText(), QStringLiteral("Готово  0 %"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended; }, 30000));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(lastMessage(), QString());
    EXPECT_FALSE(texts.exists("a.txt_Emb.txt") || texts.exists("~$a.txt"));
    EXPECT_TRUE(window->close());  // the stop cleared the busy flag
    EXPECT_EQ(questions(), QStringList{kStopAsked});
}

TEST_F(EmbedWindow, AnExitConfirmedDuringASearchEndsTheJobFirstAndClosesEveryWindow) {
    open(true);
    chooseText("a.txt", "кот ел\r\n");
    QTest::mouseDClick(control<QListWidget>("List1")->viewport(), Qt::LeftButton);
    auto* chooser = window->findChild<QWidget*>(QStringLiteral("Form4"));
    ASSERT_NE(chooser, nullptr);
    click("Command1");
    ASSERT_TRUE(QTest::qWaitFor([this] { return atGate.load(); }));
    dialogs.setWhileQuestionOpen([&](const ShownBox&) { released = true; });
    dialogs.queueAnswer(true);
    click("Command3");
    EXPECT_EQ(questions(), QStringList{kExitAsked});
    EXPECT_FALSE(window->isVisible() || chooser->isVisible());
    EXPECT_FALSE(window->findChild<ui::JobRunner*>()->isRunning());
    EXPECT_FALSE(texts.exists("~$a.txt"));
}

}  // namespace
}  // namespace undertext::embed
