#include "common/ui/app/interface_language.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include <QCoreApplication>
#include <QDir>

#include "common/ui/app/launch_options.h"
#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

constexpr auto Russian = InterfaceLanguage::Russian;
constexpr auto English = InterfaceLanguage::English;

TEST(InterfaceLanguage, FollowsTheFirstDesktopLanguageWeSpeak) {
    const struct {
        QStringList desktop;
        InterfaceLanguage expected;
    } cases[] = {
        {{QStringLiteral("ru-RU")}, Russian},
        {{QStringLiteral("ru")}, Russian},
        {{QStringLiteral("ru_UA")}, Russian},
        {{QStringLiteral("en-GB")}, English},
        {{QStringLiteral("de-DE")}, English},
        {{QStringLiteral("C")}, English},
        {{}, English},
        {{QStringLiteral("de-DE"), QStringLiteral("ru-RU")}, Russian},
        {{QStringLiteral("uk-UA"), QStringLiteral("en-US"), QStringLiteral("ru-RU")}, English},
        {{QStringLiteral("rue"), QStringLiteral("RU")}, Russian},
    };
    for (const auto& [desktop, expected] : cases) {
        EXPECT_EQ(interfaceLanguageFor(desktop), expected)
            << desktop.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(InterfaceLanguage, TheOptionOverridesTheDesktopAndABadWordIsSaid) {
    const QStringList russianDesktop{QStringLiteral("ru-RU")};
    const QStringList englishDesktop{QStringLiteral("en-US")};
    const struct {
        QStringList arguments;
        const QStringList& desktop;
        InterfaceLanguage expected;
        bool complaint;
    } cases[] = {
        {{}, russianDesktop, Russian, false},
        {{}, englishDesktop, English, false},
        {{QStringLiteral("--ui-language"), QStringLiteral("en")}, russianDesktop, English, false},
        {{QStringLiteral("--ui-language=ru")}, englishDesktop, Russian, false},
        {{QStringLiteral("--ui-language"), QStringLiteral("ru"), QStringLiteral("--ui-language"),
          QStringLiteral("en")},
         russianDesktop,
         English,
         false},
        {{QStringLiteral("--ui-language"), QStringLiteral("de")}, russianDesktop, Russian, true},
        {{QStringLiteral("--ui-language"), QStringLiteral("EN")}, russianDesktop, Russian, true},
        {{QStringLiteral("a.txt"), QStringLiteral("--ui-language")},
         englishDesktop,
         English,
         false},
        {{QStringLiteral("--"), QStringLiteral("--ui-language"), QStringLiteral("ru")},
         englishDesktop,
         English,
         false},
    };
    for (const auto& [words, desktop, expected, complaint] : cases) {
        QStringList arguments = words;
        arguments.prepend(QStringLiteral("Embed"));
        const auto label = arguments.join(QLatin1Char(' ')).toStdString();
        std::ostringstream err;
        EXPECT_EQ(chosenInterfaceLanguage(arguments, desktop, err), expected) << label;
        EXPECT_EQ(err.str().find("--ui-language") != std::string::npos, complaint) << label;
    }
}

TEST(InterfaceLanguage, TheLanguageValueIsNoTextFile) {
    const QStringList arguments{QStringLiteral("Embed"), QStringLiteral("--ui-language"),
                                QStringLiteral("en"), QStringLiteral("a.txt")};
    EXPECT_EQ(givenTextFile(arguments, "/start"), std::filesystem::path("/start/a.txt"));
}

TEST(InterfaceLanguage, TheBuildTreeHoldsTheEnglishTranslationWhereProgramsLook) {
    const QStringList folders = translationFolders(QCoreApplication::applicationDirPath());
    bool found = false;
    for (const QString& folder : folders) {
        found = found || QDir(folder).exists(QStringLiteral("undertext_en.qm"));
    }
    EXPECT_TRUE(found) << folders.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(translationFolders(QStringLiteral("/usr/libexec/undertext")).constLast(),
              QStringLiteral("/usr/share/undertext/translations"));
}

}  // namespace
}  // namespace undertext::ui
