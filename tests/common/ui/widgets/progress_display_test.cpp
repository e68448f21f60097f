#include "common/ui/widgets/progress_display.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "testing/support/qt_application.h"
#include "testing/support/shown_whole.h"

namespace undertext::ui {
namespace {

// The windows' tests follow these texts through whole runs.
TEST(ProgressDisplay, WorkedExamplesOfTheBarAndItsLabel) {
    QWidget window;
    ProgressDisplay display(&window);
    EXPECT_EQ(display.bar()->minimum(), 0);
    EXPECT_EQ(display.bar()->maximum(), 100);
    EXPECT_EQ(display.bar()->value(), 0);
    EXPECT_EQ(display.label()->text(), QStringLiteral("Готово   0 %"));
    // After a run has begun, 0 is written as any other number: one blank before it.
    const std::pair<int, const char*> shown[] = {
        {2, "Готово  2 %"}, {57, "Готово  57 %"}, {100, "Готово  100 %"}, {0, "Готово  0 %"}};
    for (const auto& [percent, text] : shown) {
        display.show(percent);
        EXPECT_EQ(display.bar()->value(), percent);
        EXPECT_EQ(display.label()->text(), QString::fromUtf8(text));
    }
}

TEST(ProgressDisplay, AStopNamesTheHighestPercentOfItsRunAndANewChoiceShowsNothingRun) {
    QWidget window;
    ProgressDisplay display(&window);
    struct StopCase {
        std::vector<int> shown;  // before the stop; a confirmed stop shows 0 first
        const char* label;
    };
    const StopCase cases[] = {{{2, 57, 0}, "Остановлено на 57 %"},
                              {{}, "Остановлено на 0 %"},
                              {{100, 0}, "Остановлено на 100 %"}};
    for (const auto& [shown, label] : cases) {
        display.beginRun();
        for (const int percent : shown) {
            display.show(percent);
        }
        display.showStopped();
        EXPECT_EQ(display.bar()->value(), 0);
        EXPECT_EQ(display.label()->text(), QString::fromUtf8(label));
    }
    display.show(100);
    display.addRemark(QStringLiteral(", заменено неверных байтов: 3"));
    EXPECT_EQ(display.label()->text(),
              QStringLiteral("Готово  100 %, заменено неверных байтов: 3"));
    display.showNotRun();
    EXPECT_EQ(display.bar()->value(), 0);
    EXPECT_EQ(display.label()->text(), QString::fromUtf8(kProgressDesignText));
}

// The label never widens its window: in a window as narrow as it allows, every
// text of a run shows whole, on one line, and a remark on further lines.
TEST(ProgressDisplay, TheLabelShowsEveryTextWholeWithoutWideningTheWindow) {
    QWidget window;
    ProgressDisplay display(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(display.bar());
    layout->addWidget(display.label());
    const int width = window.minimumSizeHint().width();
    struct Shown {
        std::function<void()> action;
        bool oneLine;
    };
    const Shown cases[] = {
        {[&] { display.showNotRun(); }, true},
        {[&] { display.show(100); }, true},
        {[&] { display.showStopped(); }, true},
        {[&] {
             display.show(100);
             display.addRemark(QStringLiteral(", заменено неверных байтов: 14694"));
         },
         false},
    };
    for (const auto& [action, oneLine] : cases) {
        action();
        QApplication::processEvents();  // the layout learns the label's new height
        EXPECT_EQ(window.minimumSizeHint().width(), width);
        window.resize(width, window.heightForWidth(width));
        window.show();
        layout->activate();
        testing::expectShownWhole(*display.label(), oneLine);
    }
}

}  // namespace
}  // namespace undertext::ui
