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
    for (int i = 0; i < 1000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(5ms);
    }
    return condition();
}

struct Ending {
    bool arrived = false;
    JobRunner::End end = JobRunner::End::Completed;
    QString error;
};

void watchEnd(JobRunner& runner, QObject& context, Ending& ending) {
    QObject::connect(&runner, &JobRunner::finished, &context,
                     [&ending](JobRunner::End end, const QString& error) {
                         ending = {true, end, error};
                     });
}

// A job that passes stop points until it is stopped, counting them.
auto endlessJob(std::atomic<long>& stopPoints) {
    return [&stopPoints](JobControl& control) {
        while (true) {
            ++stopPoints;
            if (control.stopPoint()) {
                return;
            }
            std::this_thread::sleep_for(1ms);
        }
    };
}

TEST(JobRunner, DeliversProgressAndCallbacksOnTheGuiThreadInOrder) {
    JobRunner runner;
    QObject context;
    Ending ending;
    watchEnd(runner, context, ending);
    std::vector<std::string> seen;
    const auto guiThread = QThread::currentThread();
    bool allOnGuiThread = true;
    QObject::connect(&runner, &JobRunner::progressChanged, &context, [&](int percent) {
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == guiThread;
        seen.push_back(std::to_string(percent));
    });
    ASSERT_TRUE(runner.start([&](JobControl& control) {
        control.progress(10);
        control.progress(10);  // repeated: nothing new to show
        runner.post([&] {
            allOnGuiThread = allOnGuiThread && QThread::currentThread() == guiThread;
            seen.push_back("reread");
        });
        control.progress(100);
    }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending.arrived; }));
    EXPECT_EQ(ending.end, JobRunner::End::Completed);
    EXPECT_EQ(seen, (std::vector<std::string>{"10", "reread", "100"}));
    EXPECT_TRUE(allOnGuiThread);
    EXPECT_FALSE(runner.isRunning());
}

TEST(JobRunner, AThrowingJobEndsAsFailedWithItsError) {
    JobRunner runner;
    QObject context;
    Ending ending;
    watchEnd(runner, context, ending);
    runner.start([](JobControl&) { throw std::runtime_error("нет памяти"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending.arrived; }));
    EXPECT_EQ(ending.end, JobRunner::End::Failed);
    EXPECT_EQ(ending.error, QStringLiteral("нет памяти"));
}

TEST(JobRunner, RefusesASecondJobWhileOneRunsUnstopped) {
    JobRunner runner;
    std::atomic<long> stopPoints = 0;
    ASSERT_TRUE(runner.start(endlessJob(stopPoints)));
    EXPECT_FALSE(runner.start([](JobControl&) {}));
    runner.requestStop();
    // A job asked to stop is waited for, then the next one starts.
    EXPECT_TRUE(runner.start([](JobControl&) {}));
    runner.waitForEnd();
}

TEST(JobRunner, AReplacedOrDestroyedRunnerDeliversNothingStale) {
    QObject context;
    int deliveries = 0;
    {
        JobRunner runner;
        QObject::connect(&runner, &JobRunner::progressChanged, &context,
                         [&](int) { ++deliveries; });
        QObject::connect(&runner, &JobRunner::finished, &context,
                         [&](JobRunner::End, const QString&) { ++deliveries; });
        runner.start([&](JobControl& control) {
            control.progress(50);
            runner.post([&] { ++deliveries; });
        });
        runner.waitForEnd();
        // The first job has ended but nothing of it was delivered yet.
        std::atomic<long> stopPoints = 0;
        ASSERT_TRUE(runner.start(endlessJob(stopPoints)));
        QCoreApplication::processEvents();
        EXPECT_EQ(deliveries, 0);
        ASSERT_TRUE(waitUntil([&] { return stopPoints > 3; }));
    }  // the runner goes while its job still runs
    QCoreApplication::processEvents();
    EXPECT_EQ(deliveries, 0);
}

class GuardedJob : public ::testing::Test {
  protected:
    ScriptedDialogs dialogs;
    JobRunner runner;
    RunGuard guard{dialogs, runner, nullptr, QString::fromUtf8(kStopWorkQuestion)};
    QObject context;
    Ending ending;

    void SetUp() override { watchEnd(runner, context, ending); }
};

TEST_F(GuardedJob, HoldsTheJobWhileTheStopQuestionIsOpenAndGoesOnAfterNo) {
    std::atomic<long> stopPoints = 0;
    std::atomic<bool> finish = false;
    long heldAt = -1;
    long afterWaiting = -1;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        ASSERT_TRUE(waitUntil([&] { return runner.isHeldAtStopPoint(); }));
        heldAt = stopPoints;
        std::this_thread::sleep_for(50ms);
        afterWaiting = stopPoints;
    });
    dialogs.queueAnswer(false);
    guard.beginRun();
    runner.start([&](JobControl& control) {
        while (!finish) {
            ++stopPoints;
            if (control.stopPoint()) {
                return;
            }
        }
    });
    ASSERT_TRUE(waitUntil([&] { return stopPoints > 5; }));
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::No);
    EXPECT_GT(heldAt, 0);
    EXPECT_EQ(afterWaiting, heldAt);
    EXPECT_TRUE(guard.busy());
    EXPECT_FALSE(guard.stopRequested());
    // Released, the job runs on.
    ASSERT_TRUE(waitUntil([&] { return stopPoints > heldAt + 5; }));
    finish = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending.arrived; }));
    EXPECT_EQ(ending.end, JobRunner::End::Completed);
}

TEST_F(GuardedJob, YesStopsTheJobAtTheStopPointWhereItWasHeld) {
    std::atomic<long> stopPoints = 0;
    long heldAt = -1;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        ASSERT_TRUE(waitUntil([&] { return runner.isHeldAtStopPoint(); }));
        heldAt = stopPoints;
    });
    dialogs.queueAnswer(true);
    int progressAfterStop = 0;
    QObject::connect(&runner, &JobRunner::progressChanged, &context, [&](int) {
        if (guard.stopRequested()) {
            ++progressAfterStop;
        }
    });
    guard.beginRun();
    runner.start([&](JobControl& control) {
        for (int i = 0;; ++i) {
            control.progress(i % 100);
            ++stopPoints;
            if (control.stopPoint()) {
                return;
            }
        }
    });
    ASSERT_TRUE(waitUntil([&] { return stopPoints > 5; }));
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::Yes);
    EXPECT_TRUE(guard.stopRequested());
    EXPECT_FALSE(guard.busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending.arrived; }));
    EXPECT_EQ(ending.end, JobRunner::End::Stopped);
    EXPECT_EQ(stopPoints, heldAt);
    EXPECT_EQ(progressAfterStop, 0);
}

TEST_F(GuardedJob, AnEndReachedWhileTheQuestionIsOpenArrivesAfterTheAnswer) {
    for (const bool yes : {false, true}) {
        std::atomic<bool> go = false;
        int progressWhileOpen = 0;
        QObject progressContext;
        dialogs.setWhileQuestionOpen([&](const ShownBox&) {
            go = true;
            ASSERT_TRUE(waitUntil([&] { return !runner.isRunning(); }));
            // What a real box's own event loop would deliver meanwhile.
            QObject::connect(&runner, &JobRunner::progressChanged, &progressContext,
                             [&](int) { ++progressWhileOpen; });
            QCoreApplication::processEvents();
            EXPECT_FALSE(ending.arrived);
            EXPECT_EQ(progressWhileOpen, 0);
        });
        dialogs.queueAnswer(yes);
        ending = {};
        guard.beginRun();
        // The last step has no stop point: the job ends while the question is open.
        runner.start([&](JobControl& control) {
            while (!go) {
                std::this_thread::sleep_for(1ms);
            }
            control.progress(100);
        });
        guard.askStop();
        ASSERT_TRUE(QTest::qWaitFor([&] { return ending.arrived; }));
        EXPECT_EQ(ending.end, yes ? JobRunner::End::Stopped : JobRunner::End::Completed);
    }
}

TEST_F(GuardedJob, ConfirmedExitWaitsUntilTheReportBeingWrittenIsWhole) {
    testing::TempFolder folder;
    const std::string report(4 << 20, 'x');
    std::atomic<bool> inStep = false;
    std::atomic<bool> write = false;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) { write = true; });
    dialogs.queueAnswer(true);
    guard.beginRun();
    runner.start([&](JobControl& control) {
        if (control.stopPoint()) {
            return;
        }
        inStep = true;
        // A step without stop points that writes a report while the question is open.
        while (!write) {
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(20ms);
        (void)writeWholeFile(folder / "a.txt_Emb.txt", report);
        if (control.stopPoint()) {
            return;
        }
        (void)writeWholeFile(folder / "a.txt_EmbSortByFriq.txt", report);
    });
    ASSERT_TRUE(waitUntil([&] { return inStep.load(); }));
    EXPECT_TRUE(guard.confirmExit());
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(folder.read("a.txt_Emb.txt").size(), report.size());
    EXPECT_FALSE(folder.exists("a.txt_EmbSortByFriq.txt"));
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

TEST_F(GuardedJob, QuestionsFollowTheBusyFlag) {
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
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Выход?"));
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Действительно хотите выйти из программы?"));
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("Остановка?"));
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Действительно хотите остановить работу?"));
    EXPECT_EQ(dialogs.shown()[1].buttons,
              (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));

    // After the confirmed stop the window is idle again.
    EXPECT_TRUE(guard.confirmExit());
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

}  // namespace
}  // namespace undertext::ui
