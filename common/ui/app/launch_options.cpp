#include "common/ui/app/launch_options.h"

#include <QCommandLineParser>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/ui/app/dialogs.h"

namespace undertext::ui {

std::optional<int> applyLaunchOptions(const QStringList& arguments,
                                      const std::filesystem::path& startFolder, Dialogs& dialogs,
                                      std::ostream& out, std::ostream& err) {
    const QCommandLineOption noticeOption(QStringLiteral("notice"), QString(),
                                          QStringLiteral("TEXT"));
    const QCommandLineOption checkOption(QStringLiteral("check-start"));
    QCommandLineParser parser;
    parser.addOptions({noticeOption, checkOption});
    // Options the launcher does not pass (Qt's own, a user's) are no error here:
    // what the parser knows is read all the same.
    parser.parse(arguments);

    const bool checkOnly = parser.isSet(checkOption);
    // A --notice without its text has no value and is ignored.
    if (const auto notices = parser.values(noticeOption); !notices.isEmpty()) {
        if (checkOnly) {
            err << notices.last().toStdString() << "\n";
        } else {
            dialogs.inform(nullptr, notices.last());
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
    const auto taken = defaultModulesTakenByNoFile(startFolder);
    for (const auto& name : taken) {
        err << noModuleFileMessage(name) << "\n";
    }
    return modules.empty() || !taken.empty() ? 1 : 0;
}

}  // namespace undertext::ui
