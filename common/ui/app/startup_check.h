#pragma once

#include <filesystem>
#include <functional>

class QWidget;

namespace undertext::ui {

class Dialogs;

// The start-up module check of Create and Embed: when startFolder holds no
// dictionary module, or a default module's name belongs to something that is no
// file (a folder), showAbout() runs and then the information box asks the user to
// put the modules into the program's folder, naming that name. True when that
// warning was given; start-up goes on either way. GUI thread only.
bool warnWhenNoModules(const std::filesystem::path& startFolder, Dialogs& dialogs,
                       const std::function<void()>& showAbout, QWidget* parent = nullptr);

}  // namespace undertext::ui
