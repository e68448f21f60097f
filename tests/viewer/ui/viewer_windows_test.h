#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include "echoscan/ui/echoscan_report_program.h"
#include "embed/ui/embed_report_program.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"
#include "viewer/ui/report_viewers.h"

namespace undertext::ui {

// What the tests of the viewer windows share: a start folder, a folder of texts
// and reports, scripted dialogs, a main window, and the viewers of both programs.
class ViewerWindowsTest : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder folder;
    ScriptedDialogs dialogs;
    QWidget mainWindow;
    ReportViewers embedViewers{embed::embedReportProgram([] { return Language::Russian; }), dialogs,
                               start.path()};
    ReportViewers echoscanViewers{echoscan::echoscanReportProgram([] { return Language::Russian; }),
                                  dialogs, start.path()};

    // The viewer's widget of that object name; a failure when there is none.
    template <typename Widget>
    static Widget* part(QWidget* viewer, const char* name) {
        auto* widget = viewer->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

}  // namespace undertext::ui
