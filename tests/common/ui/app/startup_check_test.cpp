#include "common/ui/app/startup_check.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace undertext::ui
