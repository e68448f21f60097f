#include "common/ui/run/run_session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
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

TEST_F(Session, AReportSetOverAGigabyteIsWrittenOnlyAfterYesToItsSize) {
    const struct {
        std::uint64_t bytes;
        std::optional<bool> answer;  // nullopt: nothing is asked
        const char* question;
        bool approved;
    } cases[] = {
        {kLargeReportSetBytes, std::nullopt, "", true},
        {kLargeReportSetBytes + 1, true, "Отчёты займут 1,1 ГБ. Продолжить?", true},
        {7'086'696'038, false, "Отчёты займут 6,6 ГБ. Продолжить?", false},
    };
    for (const auto& c : cases) {
        dialogs.clearShown();
        if (c.answer) {
            dialogs.queueAnswer(*c.answer);
        }
        const auto approval = session.reportSizeQuestion();
        std::optional<bool> approved;
        start([&](JobControl&) {
            const auto status = approval(c.bytes);
            approved = status.ok();
            return status ? Outcome::completed() : Outcome::refused(status.error());
        });
        ASSERT_TRUE(awaitEnds(ends.size() + 1)) << c.bytes;
        EXPECT_EQ(approved, c.approved) << c.bytes;
        EXPECT_EQ(ends.back(), c.approved ? JobEnding::Completed : JobEnding::Refused);
        const auto asked = dialogs.shownOfKind(ShownBox::Kind::Question);
        ASSERT_EQ(asked.size(), c.answer ? 1U : 0U) << c.bytes;
        if (c.answer) {
            EXPECT_EQ(asked.front().text, QString::fromUtf8(c.question));
        }
        // A refusal by No needs no box of its own.
        EXPECT_TRUE(dialogs.shownOfKind(ShownBox::Kind::Information).empty()) << c.bytes;
    }
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
