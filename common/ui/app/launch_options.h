#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include <QStringList>

#include "common/ui/app/interface_language.h"

namespace undertext::ui {

class Dialogs;

// The options a launcher passes to a window program, read before its window opens:
//   --notice TEXT  shows TEXT in an information box first (the launcher's own word,
//                  such as a user's folder that could not be made);
//   --check-start  writes the start folder and its modules to out and ends the
//                  program before any window opens: status 0 when the folder holds
//                  a module and no default module's name is taken by something
//                  that is no file (said on err), 1 otherwise; a notice then goes
//                  to err instead of a box;
//   --ui-language ru|en  the interface language (see chosenInterfaceLanguage).
// arguments starts with the program's name. Other options, and any word after
// "--", are left alone; of two notices the last is shown. Returns the exit status
// when the program is to end now. GUI thread only.
// The text file given on the command line (the first word that is no option nor
// an option's value), made absolute against startFolder; nullopt without one.
std::optional<std::filesystem::path> givenTextFile(const QStringList& arguments,
                                                   const std::filesystem::path& startFolder);

// The interface language: that of the last --ui-language in arguments, else the
// one desktopLanguages (QLocale::uiLanguages()) ask for. A word other than "ru"
// or "en" is said on err and leaves the desktop's choice.
InterfaceLanguage chosenInterfaceLanguage(const QStringList& arguments,
                                          const QStringList& desktopLanguages, std::ostream& err);

// What a program tells about itself without a window, so without a display.
struct ProgramAbout {
    const char* command;      // "undertext-embed"
    const char* description;  // one line
    bool takesFile;           // whether it opens a text file given after the options
    const char* fileHelp = "a text file to open in the window";  // that file in the help
};

// --help (or -h) and --version, looked for in argv before the application is
// made: the help or the version with its licence goes to out and the exit status
// (0) comes back; nullopt when neither is there. Words after "--" are no options.
std::optional<int> answerWithoutWindow(int argc, const char* const argv[],
                                       const ProgramAbout& about, std::ostream& out);

std::optional<int> applyLaunchOptions(const QStringList& arguments,
                                      const std::filesystem::path& startFolder, Dialogs& dialogs,
                                      std::ostream& out, std::ostream& err);

}  // namespace undertext::ui
