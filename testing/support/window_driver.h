#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "common/core/job_control.h"
#include "common/ui/run/job_runner.h"
#include "common/ui/widgets/object_names.h"
#include "testing/support/source_encodings.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::testing {

// Waits on the calling thread, without an event loop, up to 10 s for done.
template <typename Done>
bool waitOnThisThread(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The one way the window tests hold a job mid-run: a substitute job wraps the
// real one, and at its first stop point it waits until the gate is released, so
// that the test acts while the run is surely under way.
class JobGate {
  public:
    ~JobGate() { release(); }

    // The real job, held at its first stop point; the gate must outlive the window.
    template <typename Job>
    auto wrap(Job job) {
        return [this, job](const auto& request, JobControl& control) {
            Held held(*this, control);
            return job(request, held);
        };
    }

    // The real job run to its end past every stop point, then held before it
    // returns: a stop confirmed now comes too late for the job to see it.
    template <typename Job>
    auto wrapEnd(Job job) {
        return [this, job](const auto& request, JobControl& control) {
            auto outcome = job(request, control);
            reached_ = true;
            waitOnThisThread([this] { return released_.load(); });
            return outcome;
        };
    }

    bool reached() const { return reached_; }
    void release() { released_ = true; }
    // Holds the next job again; only while no job is held.
    void rearm() {
        reached_ = false;
        released_ = false;
    }

  private:
    // Passes every event on and holds at the first stop point.
    class Held final : public JobControl {
      public:
        Held(JobGate& gate, JobControl& inner) : gate_(gate), inner_(inner) {}
        void progress(int percent) override { inner_.progress(percent); }
        void showResultFiles(const ResultFiles& files) override { inner_.showResultFiles(files); }
        bool stopPoint() override {
            gate_.reached_ = true;
            waitOnThisThread([this] { return gate_.released_.load(); });
            return inner_.stopPoint();
        }

      private:
        JobGate& gate_;
        JobControl& inner_;
    };

    std::atomic<bool> reached_ = false;
    std::atomic<bool> released_ = false;
};

// A substitute job that throws with the text given, as an unexpected fault would.
template <typename Outcome>
auto throwingJob(std::string text) {
    return [text](const auto&, JobControl&) -> Outcome { throw std::runtime_error(text); };
}

// Drives a main window through its controls (found by object name) and the
// scripted dialogs it was given, and watches its job runner.
class WindowDriver {
  public:
    WindowDriver(QWidget& window, ui::ScriptedDialogs& dialogs)
        : window_(window), dialogs_(dialogs), runner_(*window.findChild<ui::JobRunner*>()) {
        QObject::connect(&runner_, &ui::JobRunner::finished, &window_,
                         [this](ui::JobRunner::End end, const QString&) { ends_.push_back(end); });
        dialogs_.setWhileQuestionOpen([this](const ui::ShownBox&) {
            if (gate_ != nullptr) {
                gate_->release();
                heldDuringQuestion_ =
                    waitOnThisThread([this] { return runner_.isHeldAtStopPoint(); });
                gate_ = nullptr;
            }
        });
    }

    template <typename Widget = QAbstractButton>
    Widget* control(const char* name) const {
        auto* widget = window_.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QWidget>(name), Qt::LeftButton);
    }
    bool enabled(const char* name) const { return control<QWidget>(name)->isEnabled(); }
    // Chooses file in the open dialog that the named button opens.
    void choose(const std::filesystem::path& file, const char* openButton) {
        dialogs_.queueFile(QString::fromStdString(file.string()));
        click(openButton);
    }

    // The text a control shows: a label, a text box, a button or a combo box.
    QString text(const char* name) const {
        auto* widget = control<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            return combo->currentText();
        }
        return widget->property("text").toString();
    }
    QStringList entries(const char* listName) const {
        QStringList names;
        const auto* list = control<QListWidget>(listName);
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->item(i)->text());
        }
        return names;
    }

    ui::JobRunner& runner() const { return runner_; }

    // Processes events until the runner reports the end of one more job.
    ui::JobRunner::End awaitEnd() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return ends_.size() > awaited_; }, 30000));
        awaited_ = ends_.size();
        return ends_.empty() ? ui::JobRunner::End::Failed : ends_.back();
    }
    // Clicks the button that starts a run and waits for its end.
    ui::JobRunner::End runToTheEnd(const char* startButton) {
        click(startButton);
        return awaitEnd();
    }

    // Waits, processing events, until gate holds the job.
    // Once held, the events the job posted before its stop point (its progress)
    // are delivered, as they would be by the time a user could click.
    bool awaitHeld(const JobGate& gate) const {
        const bool held = QTest::qWaitFor([&] { return gate.reached(); }, 10000);
        QCoreApplication::sendPostedEvents();
        return held;
    }
    // Once gate holds the job, clicks button and answers its question Yes while the
    // job, released from gate, is held at its next stop point by the question
    // itself; true when it was.
    bool confirmWhileHeld(JobGate& gate, const char* button) {
        if (!awaitHeld(gate)) {
            return false;
        }
        heldDuringQuestion_ = false;
        gate_ = &gate;
        dialogs_.queueAnswer(true);
        click(button);
        return heldDuringQuestion_;
    }

    // The text of the latest information box, or empty.
    QString lastMessage() const {
        const auto shown = dialogs_.shownOfKind(ui::ShownBox::Kind::Information);
        return shown.empty() ? QString() : shown.back().text;
    }
    std::size_t messageCount() const {
        return dialogs_.shownOfKind(ui::ShownBox::Kind::Information).size();
    }
    // The questions asked so far, each as "title|text".
    QStringList questions() const {
        QStringList asked;
        for (const auto& box : dialogs_.shownOfKind(ui::ShownBox::Kind::Question)) {
            asked.append(box.title + u'|' + box.text);
        }
        return asked;
    }

  private:
    QWidget& window_;
    ui::ScriptedDialogs& dialogs_;
    ui::JobRunner& runner_;
    std::vector<ui::JobRunner::End> ends_;
    std::size_t awaited_ = 0;
    JobGate* gate_ = nullptr;  // released by the next question
    bool heldDuringQuestion_ = false;
};

// Opens copies of the Windows-1251 text in other encodings, w.txt being the
// original, and runs each: the window names the encoding found, and each copy's
// reports are the original's in the copy's encoding.
inline void expectCopiesGiveTheOriginalsReports(WindowDriver& driver, const TempFolder& texts,
                                                const char* openButton, const std::string& text,
                                                std::initializer_list<const char*> suffixes) {
    const std::pair<std::string, SourceEncoding> copies[] = {
        {"w.txt", {}}, {"u.txt", kUtf8Bom}, {"k.txt", kKoi8}};
    for (const auto& [name, encoding] : copies) {
        driver.choose(texts.write(name, TextEncoder(encoding).encodeFile(text)), openButton);
        EXPECT_EQ(
            driver.text(ui::names::kEncodingLabel),
            QStringLiteral("Кодировка: ") + QString::fromStdString(describeEncoding(encoding)));
        ASSERT_EQ(driver.runToTheEnd(ui::names::kStartButton), ui::JobRunner::End::Completed);
        for (const auto* suffix : suffixes) {
            EXPECT_EQ(texts.read(name + suffix),
                      TextEncoder(encoding).encodeFile(texts.read(std::string("w.txt") + suffix)))
                << name << suffix;
        }
    }
}

}  // namespace undertext::testing
