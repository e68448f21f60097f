#pragma once

#include <filesystem>
#include <functional>
#include <iostream>
#include <system_error>

#include <QApplication>
#include <QLocale>
#include <QString>

#include "common/ui/app/application_setup.h"
#include "common/ui/app/launch_options.h"
#include "common/ui/app/qt_dialogs.h"

namespace undertext::ui {

// The main() of every window program: --help and --version are answered first,
// without a display; StartFolder is the folder current at start; then the
// application is prepared under its title (also the title of its information
// boxes), icon and interface language (chosenInterfaceLanguage), the launcher's options are
// applied, and the main window, Window(startFolder, dialogs), is made, wired when wire is given,
// given the text file of the command line when it opens one (openGivenText), and started up
// (startUp()). Returns the exit status.
template <typename Window>
int runWindowProgram(int argc, char* argv[], const ProgramAbout& about, const char* title,
                     const char* iconPath, const std::function<void(Window&)>& wire = {}) {
    if (const auto status = answerWithoutWindow(argc, argv, about, std::cout)) {
        return *status;
    }
    std::error_code error;
    const std::filesystem::path startFolder = std::filesystem::current_path(error);

    QApplication application(argc, argv);
    const QString name = QString::fromUtf8(title);
    prepareApplication(application, name, QString::fromUtf8(iconPath),
                       chosenInterfaceLanguage(QApplication::arguments(),
                                               QLocale::system().uiLanguages(), std::cerr));
    QtDialogs dialogs(name);
    if (const auto status = applyLaunchOptions(QApplication::arguments(), startFolder, dialogs,
                                               std::cout, std::cerr)) {
        return *status;
    }
    Window window(startFolder, dialogs);
    if (wire) {
        wire(window);
    }
    if constexpr (requires(const std::filesystem::path& file) { window.openGivenText(file); }) {
        if (const auto file = givenTextFile(QApplication::arguments(), startFolder)) {
            window.openGivenText(*file);
        }
    }
    window.startUp();
    return QApplication::exec();
}

}  // namespace undertext::ui
