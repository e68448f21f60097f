#include "common/ui/run/run_session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <QTest>
#include <QWidget>

#include "testing/support/qt_application.h"
#include "testing/support/window_driver.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

using Outcome = JobOutcome<>;

// A window's run session whose run-button switches are recorded.
class Session : public ::testing::Test {
  protected:
    QWidget window;
    ScriptedDialogs dialogs;
    JobEvents events;
    std::vector<bool> buttons;
    RunSession session{window, events, [this](bool enabled) { buttons.push_back(enabled); },
                       dialogs, RunTexts{kStopWorkQuestion, "Сбой.", "\n"}};
    std::vector<JobEnding> ends;

    void start(std::function<Outcome(JobControl&)> job) {
        ASSERT_TRUE(session.begin());
        session.run(Status::success(), std::move(job),
                    [this](const Outcome& outcome) { ends.push_back(outcome.ending); });
    }
    bool awaitEnds(std::size_t count) {
        return QTest::qWaitFor([&] { return ends.size() == count; });
    }
    QString lastMessage() const {
        const auto shown = dialogs.shownOfKind(ShownBox::Kind::Information);
        return shown.empty() ? QString() : shown.back().text;
    }
};

TEST_F(Session, AStartWhileARunIsUnderWayDoesNothingUntilItsEndOrAConfirmedStop) {
    std::atomic<bool> finish = false;
    const auto held = [&](JobControl& control) {
        while (!finish && !control.stopPoint()) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return finish ? Outcome::completed() : Outcome::stopped();
    };
    start(held);
    EXPECT_FALSE(session.begin());
    EXPECT_EQ(buttons, std::vector<bool>{false});
    finish = true;
    ASSERT_TRUE(awaitEnds(1));
    EXPECT_EQ(buttons, (std::vector<bool>{false, true}));

    finish = false;
    start(held);
    dialogs.queueAnswer(true);
    EXPECT_EQ(session.askStop(), RunGuard::StopAnswer::Yes);
    // The window may start again at once; the stopped job is waited for first.
    start([](JobControl&) { return Outcome::completed(); });
    ASSERT_TRUE(awaitEnds(2));
    EXPECT_EQ(ends, (std::vector<JobEnding>{JobEnding::Completed, JobEnding::Completed}));
}

TEST_F(Session, AJobThatThrowsEndsAsAFailureWithTheLeadAndWhatItSaid) {
    start([](JobControl&) -> Outcome { throw std::runtime_error("диск"); });
    ASSERT_TRUE(awaitEnds(1));
    EXPECT_EQ(lastMessage(), QStringLiteral("Сбой.\nдиск"));
    // Something thrown that says nothing: the lead alone.
    start([](JobControl&) -> Outcome { throw 7; });
    ASSERT_TRUE(awaitEnds(2));
    EXPECT_EQ(lastMessage(), QStringLiteral("Сбой."));
    EXPECT_EQ(ends, (std::vector<JobEnding>{JobEnding::Failed, JobEnding::Failed}));
}

}  // namespace
}  // namespace undertext::ui
