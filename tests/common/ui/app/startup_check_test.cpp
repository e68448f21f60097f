#include "common/ui/app/startup_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/core/dictionary/dictionary_modules.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

TEST(StartUpCheck, WithoutModulesShowsTheAboutWindowThenTheWarning) {
    testing::TempFolder start;
    ScriptedDialogs dialogs;
    std::vector<std::size_t> boxesWhenAboutShown;
    const auto showAbout = [&] { boxesWhenAboutShown.push_back(dialogs.shown().size()); };
    start.write("COMMON.DIC.bak", "");
    EXPECT_TRUE(warnWhenNoModules(start.path(), dialogs, showAbout));
    start.write("Common.Dic", "");
    EXPECT_FALSE(warnWhenNoModules(start.path(), dialogs, showAbout));
    EXPECT_EQ(boxesWhenAboutShown, std::vector<std::size_t>{0});
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QString::fromUtf8(kMissingModulesMessage));
}

// A default module's name taken by a folder (or a link leading nowhere) is a
// missing module, named, though other modules are there.
TEST(StartUpCheck, ADefaultModuleThatIsNoFileIsWarnedOfByName) {
    for (const bool folder : {true, false}) {
        testing::TempFolder start;
        start.write("COMMON_E.DIC", "cat\r\n");
        if (folder) {
            std::filesystem::create_directory(start / "common.dic");
        } else {
            std::filesystem::create_symlink(start / "nowhere", start / "common.dic");
        }
        ScriptedDialogs dialogs;
        int aboutShown = 0;
        EXPECT_TRUE(warnWhenNoModules(start.path(), dialogs, [&] { ++aboutShown; })) << folder;
        EXPECT_EQ(aboutShown, 1);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text,
                  QStringLiteral("«common.dic» в папке программы — не файл модуля словаря. ") +
                      QString::fromUtf8(kMissingModulesMessage));
    }
}

}  // namespace
}  // namespace undertext::ui
