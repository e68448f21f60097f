#include "common/ui/app/launch_options.h"

#include "common/core/dictionary/dictionary_modules.h"
#include "common/ui/app/dialogs.h"

namespace undertext::ui {

std::optional<int> applyLaunchOptions(const QStringList& arguments,
                                      const std::filesystem::path& startFolder, Dialogs& dialogs,
                                      std::ostream& out, std::ostream& err) {
    const bool checkOnly = arguments.contains(QStringLiteral("--check-start"));
    const auto noticeAt = arguments.indexOf(QStringLiteral("--notice"));
    if (noticeAt >= 0 && noticeAt + 1 < arguments.size()) {
        const auto& notice = arguments.at(noticeAt + 1);
        if (checkOnly) {
            err << notice.toStdString() << "\n";
        } else {
            dialogs.inform(nullptr, notice);
        }
    }
    if (!checkOnly) {
        return std::nullopt;
    }
    const auto modules = availableModules(startFolder);
    out << "Start folder: " << startFolder.string() << "\nModules:";
    for (const auto& module : modules) {
        out << " " << module;
    }
    out << "\n";
    return modules.empty() ? 1 : 0;
}

}  // namespace undertext::ui
