#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

#include "common/ui/app/startup_check.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/single_window.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

// Its texts, from «Готово   0 %» on, are followed through the windows' tests.
TEST(ProgressDisplay, TheBarFollowsTheNumberShown) {
    QWidget window;
    ProgressDisplay display(&window);
    EXPECT_EQ(display.bar()->maximum(), 100);
    for (const int percent : {2, 100, 0}) {
        display.show(percent);
        EXPECT_EQ(display.bar()->value(), percent);
    }
}

TEST(LanguageOptions, AChangeResetsTheModulesAndTheSameChoiceKeepsThem) {
    QWidget window;
    QListWidget modules(&window);
    LanguageOptions options(&window);
    QObject::connect(&options, &LanguageOptions::languageChanged, &window, [&](Language language) {
        resetModuleList(modules, language, {"common.dic", ""});
    });
    options.select(Language::Russian);  // the window's load
    modules.addItem(QStringLiteral("a.dic"));
    options.select(Language::Russian);
    EXPECT_EQ(moduleListEntries(modules), (std::vector<std::string>{"common.dic", "a.dic"}));
    // A click on the other language resets them (the Embed window's test clicks both).
    QTest::mouseClick(options.englishButton(), Qt::LeftButton);
    EXPECT_EQ(options.language(), Language::English);
    EXPECT_EQ(modules.count(), 0);
}

TEST(ResultFileList, ListsNothingAtFirstAndHandsAnOpenedEntryToItsOpener) {
    testing::TempFolder folder;
    ResultFileList list;
    std::vector<std::filesystem::path> opened;
    list.setOpener([&](const std::filesystem::path& file) { opened.push_back(file); });
    folder.write("no file at all", "");
    EXPECT_EQ(list.pattern(), QStringLiteral("no file at all"));
    EXPECT_EQ(list.count(), 0);
    list.point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    folder.write("A.TXT_EMB.txt", "");
    EXPECT_EQ(list.count(), 0);
    list.reread();
    ASSERT_EQ(list.count(), 1);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QPoint place = list.visualItemRect(list.item(0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, place);
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{folder / "A.TXT_EMB.txt"});
}

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

TEST(AboutWindow, OpensOverTheMiddleOfItsMainWindowAndEscapeClosesIt) {
    QWidget main;
    main.setGeometry(300, 200, 600, 400);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    SingleWindow<AboutWindow> about;
    auto* window = about.show([&] { return new AboutWindow(QStringLiteral("О"), &main); });
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QPoint offset = window->frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ',' << offset.y();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(about.get(), nullptr);
}

}  // namespace
}  // namespace undertext::ui
