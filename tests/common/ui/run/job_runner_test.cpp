#include "common/ui/run/job_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include "common/core/files/file_io.h"
#include "common/ui/run/run_guard.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/support/window_driver.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

using namespace std::chrono_literals;

// Records the events a runner delivers, with the GUI thread's check.
class RecordedEvents final : public JobEvents {
  public:
    explicit RecordedEvents(std::vector<std::string>& seen) : seen_(seen) {}
    void progress(int percent) override {
        seen_.push_back(QThread::currentThread() == qApp->thread() ? std::to_string(percent)
                                                                   : "off the GUI thread");
    }
    void showResultFiles(const ResultFiles& files) override {
        seen_.push_back(files.sourceName.value_or("shown") + files.suffix);
    }

  private:
    std::vector<std::string>& seen_;
};

// A runner whose deliveries are recorded in order, with a run guard over it.
class Runner : public ::testing::Test {
  protected:
    ScriptedDialogs dialogs;
    std::vector<std::string> seen;
    RecordedEvents events{seen};
    JobRunner runner{events};
    RunGuard guard{dialogs, runner, nullptr, QString::fromUtf8(kStopWorkQuestion)};
    bool endArrived = false;
    std::atomic<long> stopPoints = 0;

    // Starts job; its end is recorded as "completed 7" (with what it returned),
    // "stopped 7" or the error text.
    bool start(std::function<int(JobControl&)> job) {
        endArrived = false;
        return runner.start<int>(
            std::move(job),
            [this](JobRunner::End end, std::optional<int> outcome, const QString& error) {
                endArrived = true;
                const auto returned = outcome ? " " + std::to_string(*outcome) : std::string();
                seen.push_back(end == JobRunner::End::Completed ? "completed" + returned
                               : end == JobRunner::End::Stopped ? "stopped" + returned
                                                                : error.toStdString() + returned);
            });
    }
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return endArrived; });
    }
    // A job that reports i % 100 and passes a stop point until stopped or finish is set.
    std::function<int(JobControl&)> countingJob(const std::atomic<bool>& finish) {
        return [this, &finish](JobControl& control) {
            for (int i = 0; !finish; ++i) {
                control.progress(i % 100);
                ++stopPoints;
                if (control.stopPoint()) {
                    return 7;
                }
                std::this_thread::sleep_for(100us);
            }
            return 7;
        };
    }
};

TEST_F(Runner, DeliversEventsAndTheOutcomeInOrderOnTheGuiThread) {
    ASSERT_TRUE(start([&](JobControl& control) {
        control.progress(10);
        control.progress(10);  // repeated: nothing new to show
        control.showResultFiles({"_Rec*.txt", "a.txt"});
        control.showResultFiles({"_Rec*.txt", std::nullopt});
        control.progress(100);
        return 7;
    }));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(seen, (std::vector<std::string>{"10", "a.txt_Rec*.txt", "shown_Rec*.txt", "100",
                                              "completed 7"}));
    EXPECT_FALSE(runner.isRunning());

    seen.clear();
    start([](JobControl&) -> int { throw std::bad_alloc(); });
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(seen, std::vector<std::string>{"Недостаточно памяти."});
}

TEST_F(Runner, AReplacedOrDestroyedRunnerDeliversNothingStale) {
    {
        JobRunner own(events);
        const auto stale = [this](JobRunner::End, std::optional<int>, const QString&) {
            seen.push_back("stale");
        };
        own.start<int>(
            [&](JobControl& control) {
                control.progress(50);
                control.showResultFiles({"_Emb.txt", "stale"});
                return 1;
            },
            stale);
        own.waitForEnd();
        // The first job has ended but nothing of it was delivered yet.
        ASSERT_TRUE(own.start<int>(
            [&](JobControl& control) {
                while (!control.stopPoint()) {
                    ++stopPoints;
                }
                return 2;
            },
            stale));
        // While a job runs unstopped no other starts.
        EXPECT_FALSE(own.start<int>([](JobControl&) { return 3; }, stale));
        QCoreApplication::processEvents();
        ASSERT_TRUE(testing::waitOnThisThread([&] { return stopPoints > 3; }));
    }  // the runner goes while its job still runs
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen.empty());
}

TEST_F(Runner, TheStopQuestionHoldsTheJobNoLetsItGoOnAndYesStopsItThere) {
    std::atomic<bool> finish = false;
    long heldAt = -1;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) {
        ASSERT_TRUE(testing::waitOnThisThread([&] { return runner.isHeldAtStopPoint(); }));
        heldAt = stopPoints;
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(stopPoints, heldAt);
    });
    guard.beginRun();
    start(countingJob(finish));
    ASSERT_TRUE(testing::waitOnThisThread([&] { return stopPoints > 5; }));
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::No);
    EXPECT_TRUE(guard.busy());
    EXPECT_FALSE(guard.stopRequested());
    ASSERT_TRUE(testing::waitOnThisThread([&] { return stopPoints > heldAt + 5; }));

    dialogs.queueAnswer(true);
    EXPECT_EQ(guard.askStop(), RunGuard::StopAnswer::Yes);
    EXPECT_TRUE(guard.stopRequested());
    EXPECT_FALSE(guard.busy());
    const auto deliveredBeforeStop = seen.size();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(stopPoints, heldAt);
    // Nothing but the end arrives after the stop.
    EXPECT_EQ(seen.size(), deliveredBeforeStop + 1);
    EXPECT_EQ(seen.back(), "stopped 7");
}

TEST_F(Runner, AnEndReachedWhileTheQuestionIsOpenArrivesAfterTheAnswer) {
    for (const bool yes : {false, true}) {
        std::atomic<bool> go = false;
        dialogs.setWhileQuestionOpen([&](const ShownBox&) {
            go = true;
            ASSERT_TRUE(testing::waitOnThisThread([&] { return !runner.isRunning(); }));
            QCoreApplication::processEvents();  // what a real box's event loop delivers
            EXPECT_TRUE(seen.empty());
        });
        dialogs.queueAnswer(yes);
        seen.clear();
        guard.beginRun();
        // The last step has no stop point: the job ends while the question is open.
        start([&](JobControl& control) {
            while (!go) {
                std::this_thread::sleep_for(1ms);
            }
            control.progress(100);
            return 7;
        });
        guard.askStop();
        ASSERT_TRUE(waitForEnd());
        using Seen = std::vector<std::string>;
        EXPECT_EQ(seen, (yes ? Seen{"stopped 7"} : Seen{"100", "completed 7"}));
    }
}

TEST_F(Runner, AQuestionFromTheJobIsAskedOnTheGuiThreadAndAStopEndsItsWaitAtOnce) {
    for (const bool yes : {true, false}) {
        std::optional<bool> answer;
        start([&](JobControl&) {
            answer = runner.askFromJob([&] {
                seen.push_back(QThread::currentThread() == qApp->thread() ? "asked"
                                                                          : "off the GUI thread");
                return yes;
            });
            return 7;
        });
        ASSERT_TRUE(waitForEnd());
        EXPECT_EQ(answer, std::optional<bool>(yes));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"asked", "completed 7", "asked", "completed 7"}));

    // A stop while the question is still open: the job goes on without the answer.
    std::atomic<bool> returned = false;
    std::optional<bool> answer = true;
    start([&](JobControl&) {
        answer = runner.askFromJob([&] {
            runner.requestStop();
            return QTest::qWaitFor([&] { return returned.load(); });
        });
        returned = true;
        return 7;
    });
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(returned);
    EXPECT_EQ(answer, std::nullopt);
}

TEST_F(Runner, AConfirmedExitStopsTheJobWithTheReportBeingWrittenLeftWhole) {
    testing::TempFolder folder;
    const std::string report(4 << 20, 'x');
    std::atomic<bool> questionOpen = false;
    dialogs.setWhileQuestionOpen([&](const ShownBox&) { questionOpen = true; });
    dialogs.queueAnswer(true);
    guard.beginRun();
    start([&](JobControl& control) {
        // A step without stop points writes a report while the question is open.
        while (!questionOpen) {
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(20ms);
        (void)writeWholeFile(folder / "a.txt_Emb.txt", report);
        if (!control.stopPoint()) {
            (void)writeWholeFile(folder / "a.txt_EmbSortByFriq.txt", report);
        }
        return 7;
    });
    EXPECT_TRUE(guard.confirmExit());
    runner.waitForEnd();  // what the runner's destructor does when the window goes
    EXPECT_EQ(folder.read("a.txt_Emb.txt").size(), report.size());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace undertext::ui
