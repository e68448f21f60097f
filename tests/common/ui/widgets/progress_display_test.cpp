#include "common/ui/widgets/progress_display.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "testing/support/qt_application.h"

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

}  // namespace
}  // namespace undertext::ui
