#include "common/ui/widgets/window_parts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QLabel>
#include <QWidget>

#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

TEST(Heading, AScaledHeadingGrowsWithTheWindowsFontAndAFixedOneKeepsItsPoints) {
    QWidget window;
    QFont font = window.font();
    font.setPointSizeF(10);
    window.setFont(font);
    const auto* scaled =
        makeHeading(&window, "Scaled", QStringLiteral("Заголовок"), HeadingSize::scaled(1.4));
    const auto* fixed =
        makeHeading(&window, "Fixed", QStringLiteral("Заголовок"), HeadingSize::inPoints(12));
    EXPECT_DOUBLE_EQ(scaled->font().pointSizeF(), 14.0);
    EXPECT_EQ(fixed->font().pointSize(), 12);
    EXPECT_TRUE(scaled->font().bold() && fixed->font().bold());
    EXPECT_TRUE(scaled->wordWrap() && fixed->wordWrap());
    // A font given in pixels has no point size to scale.
    font.setPixelSize(20);
    window.setFont(font);
    EXPECT_EQ(
        makeHeading(&window, "Pixels", QString(), HeadingSize::scaled(1.4))->font().pixelSize(),
        20);
}

}  // namespace
}  // namespace undertext::ui
