#include "common/ui/app/launch_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "common/core/dictionary/dictionary_modules.h"

#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

TEST(LaunchOptions, ShowTheNoticeOrReportTheStartFolderAndEnd) {
    testing::TempFolder withModules;
    withModules.write("COMMON.DIC", "a\r\n");
    withModules.write("extra.dic", "b\r\n");
    testing::TempFolder empty;
    const QString notice = QStringLiteral("Папка недоступна");
    // Runs the options after the program's name; box is the information box shown,
    // if any; out follows the folder line that a check writes first.
    const auto expect = [&](QStringList arguments, const testing::TempFolder& folder,
                            std::optional<int> status, const QString& box, const std::string& out,
                            const std::string& err) {
        arguments.prepend(QStringLiteral("Embed"));
        const auto label = arguments.join(QLatin1Char(' ')).toStdString();
        ScriptedDialogs dialogs;
        std::ostringstream written, errors;
        EXPECT_EQ(applyLaunchOptions(arguments, folder.path(), dialogs, written, errors), status)
            << label;
        QStringList boxes;
        for (const auto& shown : dialogs.shownOfKind(ShownBox::Kind::Information)) {
            boxes.append(shown.text);
        }
        EXPECT_EQ(boxes, box.isEmpty() ? QStringList() : QStringList{box}) << label;
        const auto folderLine = status ? "Start folder: " + folder.path().string() + "\n" : "";
        EXPECT_EQ(written.str(), folderLine + out) << label;
        EXPECT_EQ(errors.str(), err) << label;
    };
    expect({}, empty, std::nullopt, {}, "", "");
    expect({QStringLiteral("--notice"), notice}, empty, std::nullopt, notice, "", "");
    // A --notice without its text is ignored; options the launcher does not pass
    // (Qt's own, a user's) do not hide the ones it does.
    expect({QStringLiteral("--notice")}, empty, std::nullopt, {}, "", "");
    expect({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus"),
            QStringLiteral("--notice"), notice},
           empty, std::nullopt, notice, "", "");
    expect({QStringLiteral("--check-start")}, withModules, 0, {}, "Modules: COMMON.DIC extra.dic\n",
           "");
    expect({QStringLiteral("--check-start"), QStringLiteral("--notice"), notice}, empty, 1, {},
           "Modules:\n", notice.toStdString() + "\n");
    // A folder in the place of a default module fails the check, named.
    testing::TempFolder hidden;
    hidden.write("COMMON_E.DIC", "a\r\n");
    std::filesystem::create_directory(hidden / "COMMON.DIC");
    expect({QStringLiteral("--check-start")}, hidden, 1, {}, "Modules: COMMON_E.DIC\n",
           "«COMMON.DIC» в папке программы — не файл модуля словаря. " +
               std::string(kMissingModulesMessage) + "\n");
}

}  // namespace
}  // namespace undertext::ui
