#include "common/ui/job_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QTest>

#include "common/core/file_io.h"
#include "common/ui/run_guard.h"
#include "common/ui/scripted_dialogs.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::ui {
namespace {

using namespace std::chrono_literals;

// Waits on the calling thread (without an event loop) until condition holds.
template <typename Condition>
bool waitUntil(Condition condition) {
    for (int i = 0; i < 1000 && !condition(); ++i) {
        std::this_thread::sleep_for(5ms);
    }
    return condition();
}

// A runner whose deliveries are recorded in order, with a run guard over it.
class Runner : public ::testing::Test {
  protected:
    ScriptedDialogs dialogs;
    JobRunner runner;
    RunGuard guard{dialogs, runner, nullptr, QString::fromUtf8(kStopWorkQuestion)};
    QObject context;
    std::vector<std::string> seen;
    bool endArrived = false;
    std::atomic<long> stopPoints = 0;

    void SetUp() override {
        QObject::connect(&runner, &JobRunner::progressChanged, &context,
                         [this](int percent) { seen.push_back(std::to_string(percent)); });
        QObject::connect(&runner, &JobRunner::finished, &context,
                         [this](JobRunner::End end, const QString& error) {
                             endArrived = true;
                             seen.push_back(end == JobRunner::End::Completed ? "completed"
                                            : end == JobRunner::End::Stopped ? "stopped"
                                                                             : error.toStdString());
                         });
    }
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return endArrived; });
    }
    // A job that reports i % 100 and passes a stop point until stopped or finish is set.
    JobRunner::Job countingJob(const std::atomic<bool>& finish) {
        return [this, &finish](JobControl& control) {
            for (int i = 0; !finish; ++i) {
                control.progress(i % 100);
                ++stopPoints;
                if (control.stopPoint()) {
                    return;
                }
                std::this_thread::sleep_for(100us);
            }
        };
    }
};

TEST_F(Runner, DeliversProgressCallbacksAndTheEndInOrderOnTheGuiThread) {
    const auto guiThread = QThread::currentThread();
    ASSERT_TRUE(runner.start([&](JobControl& control) {
        control.progress(10);
        control.progress(10);  // repeated: nothing new to show
        runner.post([&] { seen.push_back(QThread::currentThread() == guiThread ? "gui" : "?"); });
        control.progress(100);
    }));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(seen, (std::vector<std::string>{"10", "gui", "100", "completed"}));
    EXPECT_FALSE(runner.isRunning());

    seen.clear();
    endArrived = false;
    runner.start([](JobControl&) { throw std::runtime_error("нет памяти"); });
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(seen, std::vector<std::string>{"нет памяти"});
}

TEST_F(Runner, AReplacedOrDestroyedRunnerDeliversNothingStale) {
    {
        JobRunner own;
        const auto stale = [this] { seen.push_back("stale"); };
        QObject::connect(&own, &JobRunner::progressChanged, &context, stale);
        QObject::connect(&own, &JobRunner::finished, &context, stale);
        own.start([&](JobControl& control) {
            control.progress(50);
            own.post(stale);
        });
        own.waitForEnd();
        // The first job has ended but nothing of it was delivered yet.
        ASSERT_TRUE(own.start([&](JobControl& control) {
            while (!control.stopPoint()) {
                ++stopPoints;
            }
        }));
        // While a job runs unstopped no other starts.
        EXPECT_FALSE(own.start([](JobControl&) {}));
        QCoreApplication::processEvents();
        ASSERT_TRUE(waitUntil([&] { return stopPoints > 3; }));
    }  // the runner goes while its job still runs
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen.empty());
}

TEST_F(Runner, TheStopQuestionHoldsTheJobNoLetsItGoOnAndYesStopsItThere) {
    std::atomic<bool> finish = false;
    long heldAt = -1;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        ASSERT_TRUE(waitUntil([&] { return runner.isHeldAtStopPoint(); }));
        heldAt = stopPoints;
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(stopPoints, heldAt);
    });
    guard.beginRun();
    runner.start(countingJob(finish));
    ASSERT_TRUE(waitUntil([&] { return stopPoints > 5; }));
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::No);
    EXPECT_TRUE(guard.busy());
    EXPECT_FALSE(guard.stopRequested());
    ASSERT_TRUE(waitUntil([&] { return stopPoints > heldAt + 5; }));

    dialogs.queueAnswer(true);
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::Yes);
    EXPECT_TRUE(guard.stopRequested());
    EXPECT_FALSE(guard.busy());
    const auto deliveredBeforeStop = seen.size();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(stopPoints, heldAt);
    // Nothing but the end arrives after the stop.
    EXPECT_EQ(seen.size(), deliveredBeforeStop + 1);
    EXPECT_EQ(seen.back(), "stopped");
}

TEST_F(Runner, AnEndReachedWhileTheQuestionIsOpenArrivesAfterTheAnswer) {
    for (const bool yes : {false, true}) {
        std::atomic<bool> go = false;
        dialogs.setWhileQuestionOpen([&](const ShownBox&) {
            go = true;
            ASSERT_TRUE(waitUntil([&] { return !runner.isRunning(); }));
            QCoreApplication::processEvents();  // what a real box's event loop delivers
            EXPECT_TRUE(seen.empty());
        });
        dialogs.queueAnswer(yes);
        seen.clear();
        endArrived = false;
        guard.beginRun();
        // The last step has no stop point: the job ends while the question is open.
        runner.start([&](JobControl& control) {
            while (!go) {
                std::this_thread::sleep_for(1ms);
            }
            control.progress(100);
        });
        guard.askStop();
        ASSERT_TRUE(waitForEnd());
        using Seen = std::vector<std::string>;
        EXPECT_EQ(seen, (yes ? Seen{"stopped"} : Seen{"100", "completed"}));
    }
}

TEST_F(Runner, AConfirmedExitWaitsUntilTheReportBeingWrittenIsWhole) {
    testing::TempFolder folder;
    const std::string report(4 << 20, 'x');
    std::atomic<bool> questionOpen = false;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) { questionOpen = true; });
    dialogs.queueAnswer(true);
    guard.beginRun();
    runner.start([&](JobControl& control) {
        // A step without stop points writes a report while the question is open.
        while (!questionOpen) {
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(20ms);
        (void)writeWholeFile(folder / "a.txt_Emb.txt", report);
        if (!control.stopPoint()) {
            (void)writeWholeFile(folder / "a.txt_EmbSortByFriq.txt", report);
        }
    });
    EXPECT_TRUE(guard.confirmExit());
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(folder.read("a.txt_Emb.txt").size(), report.size());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(Runner, QuestionsFollowTheBusyFlag) {
    // Nothing started since the program began: neither button asks.
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::NotBusy);
    EXPECT_TRUE(guard.confirmExit());
    EXPECT_TRUE(dialogs.shown().empty());
    // A run refused by a message leaves the flag set: both buttons ask.
    guard.beginRun();
    dialogs.queueAnswer(false);
    EXPECT_FALSE(guard.confirmExit());
    dialogs.queueAnswer(true);
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::Yes);
    // After the confirmed stop the window is idle again.
    EXPECT_TRUE(guard.confirmExit());
    ASSERT_EQ(dialogs.shown().size(), 2u);
    const auto& exit = dialogs.shown()[0];
    const auto& stop = dialogs.shown()[1];
    EXPECT_EQ(exit.title + exit.text,
              QStringLiteral("Выход?Действительно хотите выйти из программы?"));
    EXPECT_EQ(stop.title + stop.text,
              QStringLiteral("Остановка?Действительно хотите остановить работу?"));
}

}  // namespace
}  // namespace undertext::ui
