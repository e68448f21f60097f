#include "common/ui/widgets/about_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "common/ui/widgets/single_window.h"
#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

TEST(AboutWindow, OpensOverTheMiddleOfItsMainWindowAndEscapeClosesIt) {
    QWidget main;
    main.setGeometry(300, 200, 600, 400);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    SingleWindow<AboutWindow> about;
    auto* window = about.show([&] { return new AboutWindow(QStringLiteral("О"), &main); });
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QPoint offset = window->frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ',' << offset.y();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(about.get(), nullptr);
}

}  // namespace
}  // namespace undertext::ui
