#include "common/ui/app/startup_check.h"

#include <QString>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"

namespace undertext::ui {

bool warnWhenNoModules(const std::filesystem::path& startFolder, Dialogs& dialogs,
                       const std::function<void()>& showAbout, QWidget* parent) {
    const auto taken = defaultModulesTakenByNoFile(startFolder);
    if (hasAnyModule(startFolder) && taken.empty()) {
        return false;
    }
    showAbout();
    dialogs.inform(parent, shownMessage(taken.empty() ? kMissingModulesMessage
                                                      : noModuleFileMessage(taken.front())));
    return true;
}

}  // namespace undertext::ui
