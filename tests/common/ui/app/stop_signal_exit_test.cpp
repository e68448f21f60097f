#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "common/core/text/codepage.h"
#include "common/ui/app/application_setup.h"
#include "common/ui/widgets/object_names.h"
#include "echoscan/ui/echoscan_object_names.h"
#include "echoscan/ui/echoscan_window.h"
#include "embed/ui/embed_object_names.h"
#include "embed/ui/embed_window.h"
#include "testing/support/large_embed_run.h"
#include "testing/support/signalled_child.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

// Each test runs its program in a child process of its own, which makes its own
// QApplication: this test program has none.
namespace undertext::ui {
namespace {

using namespace std::chrono_literals;
using testing::describeEnd;
using testing::exitedWith;
using testing::SignalledChild;
using testing::TempFolder;

const struct StopSignal {
    int number;
    int status;
} kStopSignals[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};

// The installed programs, started as a launcher starts them, in an empty folder:
// Create and Embed open with the box that asks for modules, Echoscan with its
// window alone. A signal ends each without a question, with its status.
TEST(StopSignalExit, EachProgramEndsOnEachStopSignal) {
    const char* programs[] = {CREATE_PROGRAM, EMBED_PROGRAM, ECHOSCAN_PROGRAM};
    for (const char* program : programs) {
        for (const auto& signal : kStopSignals) {
            TempFolder folder;
            SignalledChild child([&] {
                if (::chdir(folder.path().c_str()) != 0) {
                    return 127;
                }
                ::execl(program, program, nullptr);
                return 127;
            });
            const auto label = std::filesystem::path(program).filename().string() + " " +
                               std::to_string(signal.number);
            ASSERT_TRUE(child.awaitWhileRunning([&] { return child.catches(signal.number); }, 10s))
                << label;
            std::this_thread::sleep_for(300ms);  // into its event loop, as a rule
            child.send(signal.number);
            EXPECT_EQ(describeEnd(child.awaitEnd(10s)), exitedWith(signal.status)) << label;
            EXPECT_LT(child.signalToEnd(), 2s) << label;
        }
    }
}

// How a test holds a window's job mid-run.
enum class Hold {
    None,       // not at all: the real job as it is
    UntilStop,  // at its first stop point, until a stop is asked for
    Forever,    // at its first stop point, a stop or not
};

// Passes a job's events on and holds the job at its first stop point as hold
// says, telling the test through a pipe once it is held.
class HeldMidRun final : public JobControl {
  public:
    HeldMidRun(JobControl& inner, int held, Hold hold) : inner_(inner), held_(held), hold_(hold) {}
    void progress(int percent) override { inner_.progress(percent); }
    void showResultFiles(const ResultFiles& files) override { inner_.showResultFiles(files); }
    bool stopPoint() override {
        if (hold_ == Hold::None) {
            return inner_.stopPoint();
        }
        if (!told_) {
            told_ = true;
            [[maybe_unused]] const auto written = ::write(held_, "h", 1);
        }
        while (hold_ == Hold::Forever || !inner_.stopPoint()) {
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }

  private:
    JobControl& inner_;
    int held_;
    Hold hold_;
    bool told_ = false;
};

enum class Program { Embed, Echoscan };

// In a child: the program's window after the program's own set-up, running its
// real job on texts/t.txt, held as hold says; gives what the event loop ends with.
int runWindow(Program program, const TempFolder& start, const TempFolder& texts, int held,
              Hold hold) {
    int argc = 1;
    char name[] = "window";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    prepareApplication(application, QStringLiteral("Test"), QStringLiteral(":/icons/embed.svg"),
                       InterfaceLanguage::Russian);
    ScriptedDialogs dialogs;
    const auto heldAsSaid = [&](auto job) {
        return [job, held, hold](const auto& request, JobControl& control) {
            HeldMidRun heldControl(control, held, hold);
            return job(request, heldControl);
        };
    };
    std::unique_ptr<QWidget> window;
    const char* openButton = echoscan::names::kOpenFileButton;
    if (program == Program::Embed) {
        window = std::make_unique<embed::EmbedWindow>(start.path(), dialogs,
                                                      heldAsSaid(embed::embedJob));
        openButton = embed::names::kOpenFileButton;
    } else {
        window = std::make_unique<echoscan::EchoscanWindow>(start.path(), dialogs,
                                                            heldAsSaid(echoscan::echoscanJob));
    }
    window->show();
    dialogs.queueFile(QString::fromStdString((texts / "t.txt").string()));
    for (const char* button : {openButton, names::kStartButton}) {
        QTest::mouseClick(window->findChild<QAbstractButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    const int status = QApplication::exec();
    window.reset();
    return status;
}

bool toldWithin(int fd, std::chrono::milliseconds timeout) {
    pollfd ready{fd, POLLIN, 0};
    char told = 0;
    return ::poll(&ready, 1, static_cast<int>(timeout.count())) == 1 && ::read(fd, &told, 1) == 1;
}

// A window receiving a stop signal mid-run closes without a question, its job
// stops at the next stop point, removing its temporary files, and the program
// ends with the signal's status; when the job does not stop, a second signal ends
// the program at once.
TEST(StopSignalExit, AWindowMidRunStopsItsJobCleansUpAndEnds) {
    const struct {
        Program program;
        Hold hold;
        const char* label;
    } runs[] = {
        {Program::Embed, Hold::None, "Embed, while its letter file stands"},
        {Program::Echoscan, Hold::UntilStop, "Echoscan, at a stop point"},
        {Program::Embed, Hold::Forever, "Embed, a job that does not stop"},
    };
    for (const auto& run : runs) {
        TempFolder start;
        TempFolder texts;
        if (run.hold == Hold::None) {
            const auto large = testing::largeEmbedRun(300'000, 400'000);
            start.write("COMMON_E.DIC", large.module);
            texts.write("t.txt", large.text);
        } else {
            start.write("COMMON.DIC", utf8ToCp1251("котел\r\nтел\r\n"));
            texts.write("t.txt", utf8ToCp1251("Кот ел котлету, а котёл стоял на плите.\r\n"));
        }
        int held[2];
        ASSERT_EQ(::pipe(held), 0);
        SignalledChild child(
            [&] { return runWindow(run.program, start, texts, held[1], run.hold); });
        ::close(held[1]);
        if (run.hold == Hold::None) {
            ASSERT_TRUE(child.awaitWhileRunning([&] { return texts.exists("~$t.txt"); }, 20s))
                << run.label;
        } else {
            ASSERT_TRUE(toldWithin(held[0], 20s)) << run.label;
        }
        ::close(held[0]);
        child.send(SIGTERM);
        if (run.hold == Hold::Forever) {
            EXPECT_EQ(child.awaitEnd(500ms), std::nullopt) << run.label;
            child.send(SIGINT);
        }
        const auto end = child.awaitEnd(30s);
        EXPECT_EQ(describeEnd(end), run.hold == Hold::Forever ? "signal 2" : exitedWith(143))
            << run.label;
        // Well before the job's whole work under sanitizers; that the job did not
        // run to its end shows in the reports it did not write.
        EXPECT_LT(child.signalToEnd(), 10s) << run.label;
        if (run.hold != Hold::Forever) {
            for (const auto& entry : std::filesystem::directory_iterator(texts.path())) {
                const auto name = entry.path().filename().string();
                EXPECT_TRUE(name == "t.txt") << run.label << ": " << name << " left or written";
            }
        }
    }
}

}  // namespace
}  // namespace undertext::ui
