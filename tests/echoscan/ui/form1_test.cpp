#include "echoscan/ui/form1.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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

constexpr int kWaitMs = 30000;
const char* const kReports[] = {"text.txt_RecSortByAlf.txt", "text.txt_RecSortByFriq.txt",
                                "text.txt_RecSortByLen.txt"};

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A text of the given length in Windows-1251 with many recurring fragments.
std::string longText(std::size_t size) {
    const std::string verse = utf8ToCp1251("мама мыла раму, мама мыла окно. ");
    std::string text;
    while (text.size() < size) {
        text += verse;
    }
    return text;
}

// A source file that the job cannot read until the test feeds it: a named pipe,
// so that a run is certainly under way when a question is asked.
class PipeSource {
  public:
    explicit PipeSource(std::filesystem::path path) : path_(std::move(path)) {
        EXPECT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    }
    // A job still waiting on the pipe (after a failed expectation) reads its end.
    ~PipeSource() {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    PipeSource(const PipeSource&) = delete;
    PipeSource& operator=(const PipeSource&) = delete;

    // Writes bytes once the job has opened the pipe, then closes it.
    bool feed(const std::string& bytes) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int fd = -1;
        // Opening for writing without blocking fails until a reader is there.
        while ((fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK)) < 0 &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (fd < 0) {
            return false;
        }
        ::fcntl(fd, F_SETFL, 0);
        const bool written =
            ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        ::close(fd);
        return written;
    }

  private:
    std::filesystem::path path_;
};

class EchoscanWindow : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder texts;
    ui::ScriptedDialogs dialogs{q(kApplicationTitle)};
    Form1 form{dialogs, start.path()};
    JobRunner* runner = form.findChild<JobRunner*>(QStringLiteral("SearchRunner"));
    std::vector<JobRunner::End> ends;

    void SetUp() override {
        ASSERT_NE(runner, nullptr);
        QObject::connect(runner, &JobRunner::finished, &form,
                         [this](JobRunner::End end, const QString&) { ends.push_back(end); });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename Widget>
    Widget* child(const char* name) {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QString progressText() { return child<QLabel>("Label2")->text(); }

    void openSource(const std::string& bytes) {
        const auto path = texts.write("text.txt", bytes);
        dialogs.queueFile(QString::fromStdString(path.string()));
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
    }

    void setLengths(const char* from, const char* to) {
        child<QComboBox>("Combo1")->setEditText(q(from));
        child<QComboBox>("Combo2")->setEditText(q(to));
    }

    // Presses "Начать поиск" and processes events until the runner reports the end.
    JobRunner::End search() {
        const auto before = ends.size();
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ends.size() > before; }, kWaitMs));
        return ends.empty() ? JobRunner::End::Failed : ends.back();
    }

    bool runButtonsEnabled() {
        return button("Command1")->isEnabled() && button("Command5")->isEnabled();
    }

    QStringList resultEntries() {
        auto* list = child<QListWidget>("File2");
        QStringList names;
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->item(i)->text());
        }
        return names;
    }

    QStringList boxTexts(ShownBox::Kind kind) const {
        QStringList result;
        for (const auto& box : dialogs.shownOfKind(kind)) {
            result.append(box.text);
        }
        return result;
    }

    // While the next question is open, feeds the source the job waits on and then
    // waits until the job holds at its first stop point: the answer lands in the
    // middle of the search, whatever the timing.
    void holdJobWhileAsked(PipeSource& pipe, bool& wasHeld) {
        dialogs.setWhileQuestionOpen([this, &pipe, &wasHeld](const ShownBox&) {
            ASSERT_TRUE(pipe.feed(longText(2000)));
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (!runner->isHeldAtStopPoint() && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            wasHeld = runner->isHeldAtStopPoint();
        });
    }
};

TEST_F(EchoscanWindow, ShowsEveryControlAtLoadAndItsOwnAboutWindow) {
    EXPECT_EQ(form.windowTitle(), q("Поиск повторяющихся фрагментов текста"));
    const auto* heading = child<QLabel>("Label1");
    EXPECT_EQ(heading->text(), q("Поиск повторяющихся фрагментов текста"));
    EXPECT_EQ(heading->font().pointSize(), 12);
    EXPECT_TRUE(heading->font().bold());
    const std::vector<std::pair<const char*, const char*>> labels{
        {"Label9", "Версия 2.1"},
        {"Label7", "Размеры фрагментов"},
        {"Label3", "от"},
        {"Label8", "до"},
        {"Label4_0", "знаков"},
        {"Label4_1", "Язык текста:"},
        {"Label5", "Исходный текстовый файл (click)"},
        {"Label6", "Файлы результатов:"},
        {"Label2", "Готово   0 %"}};
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(child<QLabel>(name)->text(), q(text)) << name;
    }
    const std::vector<std::pair<const char*, const char*>> buttons{{"Command5", "Открыть файл"},
                                                                   {"Command1", "Начать поиск"},
                                                                   {"Command2", "Остановить"},
                                                                   {"Command3", "Выйти"}};
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(button(name)->text(), q(caption)) << name;
        EXPECT_TRUE(button(name)->isEnabled()) << name;
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    }
    for (const auto& [name, count, text] : {std::tuple{"Combo1", 39, "4"}, {"Combo2", 40, "40"}}) {
        const auto* box = child<QComboBox>(name);
        EXPECT_TRUE(box->isEditable());
        EXPECT_EQ(box->count(), count);
        EXPECT_EQ(box->itemText(0), q("1"));
        EXPECT_EQ(box->itemText(count - 1), QString::number(count));
        EXPECT_EQ(box->currentText(), q(text));
    }
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(child<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_EQ(child<ui::ResultFileList>("File2")->pattern(), q("no file at all"));
    for (const char* line : {"Line1", "Line2", "Line7", "Line8"}) {
        EXPECT_NE(form.findChild<QFrame*>(QString::fromLatin1(line)), nullptr) << line;
    }

    QTest::mouseClick(child<QLabel>("Label9"), Qt::LeftButton);
    auto* about = form.findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              q("Поиск повторяющихся фрагментов текста."));

    // Before any run the window closes without a question, and the About window goes too.
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(EchoscanWindow, AWholeRunWritesThePreparedTextAndTheThreeReports) {
    const std::string source = utf8ToCp1251("Мама мыла раму, мама мыла окно.\r\n");
    openSource(source);
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), q("text.txt"));
    EXPECT_EQ(child<ui::ResultFileList>("File2")->pattern(), q("text.txt_Rec*.*"));
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    setLengths("2", "40");

    EXPECT_EQ(search(), JobRunner::End::Completed);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "only the open dialog, no message";
    EXPECT_EQ(progressText(), q("Готово  100 %"));
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(resultEntries(), (QStringList{q("text.txt_RecPrep.txt"), q(kReports[0]),
                                            q(kReports[1]), q(kReports[2])}));
    EXPECT_EQ(texts.read("text.txt_RecPrep.txt"), utf8ToCp1251("мама мыла раму мама мыла окно "));

    // The window hands the job what it shows: the same run without a window
    // writes the same reports byte for byte.
    testing::TempFolder alone;
    alone.write("text.txt", source);
    const FragmentSearchRequest request{"text.txt", alone.path(), Language::Russian, "2", "40"};
    UnwatchedJob control;
    ASSERT_EQ(fragmentSearchJob(request, {}, control), FragmentSearchEnd::Completed);
    for (const char* report : kReports) {
        EXPECT_FALSE(texts.read(report).empty()) << report;
        EXPECT_EQ(texts.read(report), alone.read(report)) << report;
    }

    // A completed run clears the busy flag: closing asks nothing.
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(dialogs.shownOfKind(ShownBox::Kind::Question).empty());
}

TEST_F(EchoscanWindow, RefusesInTheJobsOrderAndAsksBeforeExitAfterwards) {
    EXPECT_EQ(search(), JobRunner::End::Completed);  // the job ends normally with its message
    EXPECT_TRUE(runButtonsEnabled());
    QTest::keyClicks(child<QLineEdit>("Text1"), QStringLiteral("typed.txt"));
    search();  // a name typed before any folder was chosen

    openSource(utf8ToCp1251("Абв..."));  // prepared as «абв », too short for 4
    setLengths("5", "3");
    search();
    setLengths("0", "3");
    search();
    setLengths("4", "40");
    search();
    setLengths("4,5", "40");
    search();
    setLengths("", "40");
    search();

    const QStringList messages = boxTexts(ShownBox::Kind::Information);
    ASSERT_EQ(messages.size(), 7);
    EXPECT_EQ(messages[0], q("Выберите исходный файл"));
    EXPECT_TRUE(messages[1].startsWith(q("Не найден исходный файл"))) << messages[1].toStdString();
    EXPECT_EQ(messages[2],
              q("Минимальная длина должна быть меньше или равна максимальной длине фрагмента."));
    EXPECT_EQ(messages[3], q("Нулевые и отрицательные значения не поддерживаются."));
    EXPECT_EQ(messages[4], q("У вас нет 4 символов на выбранном языке в тексте."));
    EXPECT_EQ(messages[5], q("Размеры фрагментов должны быть целыми числами от 1 до 1000000000."));
    EXPECT_EQ(messages[6], messages[5]);
    for (const auto& box : dialogs.shownOfKind(ShownBox::Kind::Information)) {
        EXPECT_EQ(box.title, q("Echoscan"));
    }
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_EQ(progressText(), q("Готово   0 %"));
    for (const char* report : kReports) {
        EXPECT_FALSE(texts.exists(report)) << report;
    }

    // A refused run leaves the busy flag set: stop and exit ask, and No keeps the window.
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    dialogs.queueAnswer(true);
    EXPECT_TRUE(form.close());
    const auto questions = dialogs.shownOfKind(ShownBox::Kind::Question);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0].title, q("Остановка?"));
    EXPECT_EQ(questions[0].text, q("Действительно хотите остановить работу?"));
    for (const auto* question : {&questions[1], &questions[2]}) {
        EXPECT_EQ(question->title, q("Выход?"));
        EXPECT_EQ(question->text, q("Действительно хотите выйти из программы?"));
    }
}

TEST_F(EchoscanWindow, AStopConfirmedMidRunShowsZeroAndWritesNoReport) {
    openSource(longText(2000));
    PipeSource pipe(texts / "pipe.txt");
    child<QLineEdit>("Text1")->setText(QStringLiteral("pipe.txt"));
    bool held = false;
    holdJobWhileAsked(pipe, held);
    dialogs.queueAnswer(true);
    const auto before = ends.size();
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_FALSE(runButtonsEnabled());
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(held) << "the job holds at a stop point while the question is open";
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends.size() > before; }, kWaitMs));
    EXPECT_EQ(ends.back(), JobRunner::End::Stopped);
    EXPECT_EQ(progressText(), q("Готово  0 %"));
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_TRUE(texts.exists("pipe.txt_RecPrep.txt"));
    for (const char* report :
         {"pipe.txt_RecSortByAlf.txt", "pipe.txt_RecSortByFriq.txt", "pipe.txt_RecSortByLen.txt"}) {
        EXPECT_FALSE(texts.exists(report)) << report;
    }
    EXPECT_TRUE(boxTexts(ShownBox::Kind::Information).isEmpty());

    // The next run starts afresh and completes; the stop cleared the busy flag.
    child<QLineEdit>("Text1")->setText(QStringLiteral("text.txt"));
    EXPECT_EQ(search(), JobRunner::End::Completed);
    EXPECT_EQ(progressText(), q("Готово  100 %"));
    for (const char* report : kReports) {
        EXPECT_TRUE(texts.exists(report)) << report;
    }
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dialogs.shownOfKind(ShownBox::Kind::Question).size(), 1u);
}

TEST_F(EchoscanWindow, AnExitConfirmedMidRunEndsTheJobAndClosesEveryWindow) {
    openSource(longText(2000));
    PipeSource pipe(texts / "pipe.txt");
    child<QLineEdit>("Text1")->setText(QStringLiteral("pipe.txt"));
    QTest::mouseClick(child<QLabel>("Label9"), Qt::LeftButton);
    auto* about = form.findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_NE(about, nullptr);
    bool held = false;
    holdJobWhileAsked(pipe, held);
    dialogs.queueAnswer(true);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);

    EXPECT_TRUE(held);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(runner->isRunning()) << "the exit waited for the job";
    EXPECT_FALSE(texts.exists("pipe.txt_RecSortByLen.txt"));
}

}  // namespace
}  // namespace undertext::echoscan
