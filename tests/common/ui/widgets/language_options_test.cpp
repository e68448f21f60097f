#include "common/ui/widgets/language_options.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

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

}  // namespace
}  // namespace undertext::ui
