#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include <QStringList>

namespace undertext::ui {

class Dialogs;

// The options a launcher passes to a window program, read before its window opens:
//   --notice TEXT  shows TEXT in an information box first (the launcher's own word,
//                  such as a user's folder that could not be made);
//   --check-start  writes the start folder and its modules to out and ends the
//                  program before any window opens: status 0 when the folder holds
//                  a module and no default module's name is taken by something
//                  that is no file (said on err), 1 otherwise; a notice then goes
//                  to err instead of a box.
// arguments starts with the program's name. Other options, and any word after
// "--", are left alone; of two notices the last is shown. Returns the exit status
// when the program is to end now. GUI thread only.
std::optional<int> applyLaunchOptions(const QStringList& arguments,
                                      const std::filesystem::path& startFolder, Dialogs& dialogs,
                                      std::ostream& out, std::ostream& err);

}  // namespace undertext::ui
