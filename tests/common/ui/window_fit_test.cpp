#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QScreen>

#include "common/ui/app/interface_language.h"
#include "common/ui/widgets/window_placement.h"
#include "create/ui/create_window.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"
#include "tests/common/ui/every_window.h"

namespace undertext::ui {
namespace {

// Room the window manager takes for a title bar and a panel.
constexpr int kDesktopRoom = 60;

struct Screen {
    const char* name;
    QSize size;         // in the application's own pixels
    double fontFactor;  // the font's size against 96 dpi
    int frameWidth;     // a window manager's frame borders, in the same pixels
};

// 800x600 at 96 dpi; 1280x720 at QT_SCALE_FACTOR=1.5 (a laptop at 150 %: two
// thirds of the pixels, same font); 1280x900 at QT_SCALE_FACTOR=2 (half the
// pixels, same font) and at QT_FONT_DPI=144 (all the pixels, half as large a
// font again). Scale 2 on that screen is not a target: the windows fit, the
// frame's borders may not.
constexpr Screen kScreens[] = {
    {"800x600", {800, 600}, 1.0, kFrameAllowance.width()},
    {"1280x720 at scale 1.5", {853, 480}, 1.0, kFrameAllowance.width() * 2 / 3},
    {"1280x900 at scale 2", {640, 450}, 1.0, 0},
    {"1280x900 at 144 dpi", {1280, 900}, 1.5, kFrameAllowance.width()},
};

class WindowFit : public ::testing::Test {
  protected:
    testing::TempFolder start;
    ScriptedDialogs dialogs;
    QFont normalFont = QApplication::font();

    void TearDown() override {
        QApplication::setFont(normalFont);
        installInterfaceLanguage(*qApp, InterfaceLanguage::Russian);
    }
};

TEST_F(WindowFit, EveryWindowFitsTheSmallAndTheScaledScreensInEitherLanguage) {
    for (const auto language : {InterfaceLanguage::Russian, InterfaceLanguage::English}) {
        installInterfaceLanguage(*qApp, language);
        for (const auto& screen : kScreens) {
            QFont font = normalFont;
            font.setPointSizeF(normalFont.pointSizeF() * screen.fontFactor);
            QApplication::setFont(font);
            for (const auto& window : makeEveryWindow(start, dialogs)) {
                window->ensurePolished();
                window->layout()->activate();
                const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
                EXPECT_LE(least.width() + screen.frameWidth, screen.size.width())
                    << window->metaObject()->className() << " on " << screen.name << " in "
                    << (language == InterfaceLanguage::Russian ? "Russian" : "English");
                EXPECT_LE(least.height(), screen.size.height() - kDesktopRoom)
                    << window->metaObject()->className() << " on " << screen.name << " in "
                    << (language == InterfaceLanguage::Russian ? "Russian" : "English");
            }
        }
    }
}

// Under CTest the offscreen screen is 800x600 (small_screen.json): every window
// opens at a size that leaves room there for a window manager's frame, which
// may be wider than the offscreen one (Create asks for more than the width).
TEST_F(WindowFit, EveryWindowOpensWithinTheSmallScreenFrameIncluded) {
    for (const auto& window : makeEveryWindow(start, dialogs)) {
        if (auto* create = dynamic_cast<create::CreateWindow*>(window.get())) {
            create->startUp();
        } else {
            window->show();
        }
        const QSize area = window->screen()->availableGeometry().size();
        ASSERT_EQ(area, QSize(800, 600));
        const QSize frame =
            (window->frameGeometry().size() - window->size()).expandedTo(kFrameAllowance);
        const QSize framed = window->size() + frame;
        EXPECT_LE(framed.width(), area.width()) << window->metaObject()->className();
        EXPECT_LE(framed.height(), area.height()) << window->metaObject()->className();
    }
}

}  // namespace
}  // namespace undertext::ui
