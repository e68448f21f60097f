#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {

// Every window of the suite, made afresh with the application's present font and
// translation: the three main windows, the module chooser, Create's request
// window, the About window, the report viewer on an empty report (written into
// start) and Qt's own file dialog.
std::vector<std::unique_ptr<QWidget>> makeEveryWindow(const testing::TempFolder& start,
                                                      ScriptedDialogs& dialogs);

}  // namespace undertext::ui
