#include "echoscan/ui/form1.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <QComboBox>
#include <QTest>

#include "common/core/codepage.h"
#include "common/ui/result_file_list.h"
#include "common/ui/scripted_dialogs.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::echoscan {
namespace {

using ui::JobRunner;
using ui::ShownBox;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Waits up to 30 s for done, sleeping on the test's own thread.
template <typename Done>
bool waitOnThisThread(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    bool isDone = false;
    while (!(isDone = done()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return isDone;
}

const std::string kVerse = utf8ToCp1251("Мама мыла раму, мама мыла окно.\r\n");

class EchoscanWindow : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder texts;
    ui::ScriptedDialogs dialogs{q(kApplicationTitle)};
    Form1 form{dialogs, start.path()};
    JobRunner* runner = form.findChild<JobRunner*>(QStringLiteral("SearchRunner"));
    std::vector<JobRunner::End> ends;
    std::size_t awaited = 0;

    // A job still blocked on the pipe (after a failed expectation) reads its end.
    ~EchoscanWindow() override {
        const int fd = ::open((texts / "pipe.txt").c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    void SetUp() override {
        QObject::connect(runner, &JobRunner::finished, &form,
                         [this](JobRunner::End end, const QString&) { ends.push_back(end); });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QWidget* child(const char* name) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* name) {
        auto* widget = child(name);
        return widget->property(qobject_cast<QComboBox*>(widget) ? "currentText" : "text")
            .toString();
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    bool runButtonsEnabled() {
        return child("Command1")->isEnabled() && child("Command5")->isEnabled();
    }

    void openSource(const std::string& bytes) {
        dialogs.queueFile(QString::fromStdString(texts.write("text.txt", bytes).string()));
        click("Command5");
    }
    void setLengths(const char* from, const char* to) {
        child("Combo1")->setProperty("currentText", q(from));
        child("Combo2")->setProperty("currentText", q(to));
    }
    // Processes events until the runner reports the end of one more run.
    JobRunner::End awaitEnd() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return ends.size() > awaited; }, 30000));
        awaited = ends.size();
        return ends.empty() ? JobRunner::End::Failed : ends.back();
    }
    JobRunner::End search() {
        click("Command1");
        return awaitEnd();
    }
    QStringList boxTexts(ShownBox::Kind kind) const {
        QStringList result;
        for (const auto& box : dialogs.shownOfKind(kind)) {
            result.append(box.title + QStringLiteral(": ") + box.text);
        }
        return result;
    }

    // Starts a run on a named pipe that the job blocks on, then presses button: while
    // its question is open the pipe is fed and the job holds at its first stop point,
    // so the answer lands in the middle of the search whatever the timing.
    bool askMidRun(const char* button) {
        openSource(kVerse);
        const auto pipe = texts / "pipe.txt";
        EXPECT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        child("Text1")->setProperty("text", QStringLiteral("pipe.txt"));
        bool held = false;
        dialogs.setWhileQuestionOpen([&](const ShownBox&) {
            int fd = -1;  // opening for writing fails until the job opens the pipe
            ASSERT_TRUE(waitOnThisThread(
                [&] { return (fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK)) >= 0; }));
            std::string bytes;
            while (bytes.size() < 2000) {
                bytes += kVerse;
            }
            ::fcntl(fd, F_SETFL, 0);
            EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
            ::close(fd);
            held = waitOnThisThread([&] { return runner->isHeldAtStopPoint(); });
        });
        dialogs.queueAnswer(true);
        click("Command1");
        EXPECT_FALSE(runButtonsEnabled());
        click(button);
        return held;
    }
};

TEST_F(EchoscanWindow, ShowsItsControlsAndItsOwnAboutWindow) {
    QStringList captions = {form.windowTitle()};
    for (const char* name : {"Label1", "Label9", "Label7", "Label3", "Combo1", "Label8", "Combo2",
                             "Label4_0", "Label4_1", "Option1", "Option2", "Label5", "Label6",
                             "Label2", "Command5", "Command1", "Command2", "Command3"}) {
        captions.append(text(name));
        EXPECT_TRUE(child(name)->isEnabled()) << name;
    }
    EXPECT_EQ(captions.join(QLatin1Char('|')),
              q("Поиск повторяющихся фрагментов текста|Поиск повторяющихся фрагментов текста|"
                "Версия 2.1|Размеры фрагментов|от|4|до|40|знаков|Язык текста:|Русский|Английский|"
                "Исходный текстовый файл (click)|Файлы результатов:|Готово   0 %|Открыть файл|"
                "Начать поиск|Остановить|Выйти"));
    EXPECT_EQ(qobject_cast<QComboBox*>(child("Combo1"))->count(), 39);
    EXPECT_EQ(qobject_cast<QComboBox*>(child("Combo2"))->itemText(39), q("40"));
    EXPECT_TRUE(child("Option1")->property("checked").toBool());

    click("Label9");
    auto* about = form.findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QWidget*>(QStringLiteral("Label1"))->property("text"),
              q("Поиск повторяющихся фрагментов текста."));
    // Before any run the window closes without a question, and the About window goes too.
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(EchoscanWindow, AWholeRunWritesThePreparedTextAndTheThreeReports) {
    openSource(kVerse);
    EXPECT_EQ(text("Text1"), q("text.txt"));
    auto* list = qobject_cast<ui::ResultFileList*>(child("File2"));
    EXPECT_EQ(list->pattern(), q("text.txt_Rec*.*"));
    setLengths("2", "40");
    EXPECT_EQ(search(), JobRunner::End::Completed);
    EXPECT_EQ(text("Label2"), q("Готово  100 %"));
    EXPECT_TRUE(runButtonsEnabled());
    const QStringList reports = {q("text.txt_RecSortByAlf.txt"), q("text.txt_RecSortByFriq.txt"),
                                 q("text.txt_RecSortByLen.txt")};
    QStringList listed;
    for (int i = 0; i < list->count(); ++i) {
        listed.append(list->item(i)->text());
    }
    EXPECT_EQ(listed, QStringList{q("text.txt_RecPrep.txt")} + reports);

    // The job got the window's lengths, language and folder.
    const auto byLength = cp1251ToUtf8(texts.read("text.txt_RecSortByLen.txt"));
    EXPECT_TRUE(
        byLength.starts_with("  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов."));
    EXPECT_NE(byLength.find("\r\nмама мыла  2       10\r\n"), std::string::npos);
    EXPECT_TRUE(form.close());  // a completed run clears the busy flag
    EXPECT_EQ(dialogs.shown().size(), 1u) << "only the open dialog";
}

TEST_F(EchoscanWindow, RefusesInTheJobsOrderAndAsksBeforeExitAfterwards) {
    search();                            // no file chosen
    openSource(utf8ToCp1251("Абв..."));  // prepared as «абв », too short for 4
    for (const auto& [from, to] : {std::pair{"5", "3"}, {"0", "3"}, {"4", "40"}, {"4,5", "40"}}) {
        setLengths(from, to);
        search();
    }
    const auto info = [](const char* message) { return q("Echoscan: ") + q(message); };
    EXPECT_EQ(
        boxTexts(ShownBox::Kind::Information),
        (QStringList{
            info("Выберите исходный файл"),
            info("Минимальная длина должна быть меньше или равна максимальной длине фрагмента."),
            info("Нулевые и отрицательные значения не поддерживаются."),
            info("У вас нет 4 символов на выбранном языке в тексте."),
            info("Размеры фрагментов должны быть целыми числами от 1 до 1000000000.")}));
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_FALSE(texts.exists("text.txt_RecSortByLen.txt"));

    // A refused run leaves the busy flag set: stop and exit ask, and No keeps the window.
    click("Command2");
    click("Command3");
    EXPECT_TRUE(form.isVisible());
    dialogs.queueAnswer(true);
    EXPECT_TRUE(form.close());
    const auto ask = [](const char* title, const char* text) {
        return q(title) + QStringLiteral(": ") + q(text);
    };
    const auto exit = ask("Выход?", "Действительно хотите выйти из программы?");
    EXPECT_EQ(
        boxTexts(ShownBox::Kind::Question),
        (QStringList{ask("Остановка?", "Действительно хотите остановить работу?"), exit, exit}));
}

TEST_F(EchoscanWindow, AStopConfirmedMidRunShowsZeroAndWritesNoReport) {
    EXPECT_TRUE(askMidRun("Command2")) << "the job holds at a stop point while asked";
    EXPECT_EQ(awaitEnd(), JobRunner::End::Stopped);
    EXPECT_EQ(text("Label2"), q("Готово  0 %"));
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_TRUE(texts.exists("pipe.txt_RecPrep.txt"));
    EXPECT_FALSE(texts.exists("pipe.txt_RecSortByLen.txt"));
    EXPECT_TRUE(boxTexts(ShownBox::Kind::Information).isEmpty());
    EXPECT_TRUE(form.close()) << "the stop cleared the busy flag";
}

TEST_F(EchoscanWindow, AnExitConfirmedMidRunEndsTheJobAndClosesEveryWindow) {
    click("Label9");
    EXPECT_TRUE(askMidRun("Command3"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("Form2"))->isVisible());
    EXPECT_FALSE(runner->isRunning()) << "the exit waited for the job";
    EXPECT_FALSE(texts.exists("pipe.txt_RecSortByLen.txt"));
}

}  // namespace
}  // namespace undertext::echoscan
