#include "common/ui/app/launch_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/ui/app/interface_language.h"
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

// The launcher writes its notice in Russian; the window shows it in the interface
// language, each of its sentences translated.
TEST(LaunchOptions, TheLaunchersNoticeIsShownInTheInterfaceLanguage) {
    const struct {
        InterfaceLanguage language;
        const char* why;
        const char* shown;
    } cases[] = {
        {InterfaceLanguage::Russian,
         "Папка «/h/u» для модулей словарей доступна только для чтения.",
         "Папка «/h/u» для модулей словарей доступна только для чтения. Программа запущена во "
         "временной папке «/tmp/undertext.a1» с модулями по умолчанию."},
        {InterfaceLanguage::English,
         "Папка «/h/u» для модулей словарей доступна только для чтения.",
         "The folder “/h/u” for dictionary modules is read-only. The program runs in the "
         "temporary folder “/tmp/undertext.a1” with the default modules."},
        {InterfaceLanguage::English, "Не удалось создать папку «/h/u» для модулей словарей.",
         "Could not create the folder “/h/u” for dictionary modules. The program runs in the "
         "temporary folder “/tmp/undertext.a1” with the default modules."},
    };
    testing::TempFolder start;
    for (const auto& c : cases) {
        installInterfaceLanguage(*qApp, c.language);
        const auto notice = std::string(c.why) +
                            " Программа запущена во временной папке «/tmp/undertext.a1» с "
                            "модулями по умолчанию.";
        ScriptedDialogs dialogs;
        std::ostringstream out, err;
        applyLaunchOptions(
            {QStringLiteral("Embed"), QStringLiteral("--notice"), QString::fromStdString(notice)},
            start.path(), dialogs, out, err);
        const auto shown = dialogs.shownOfKind(ShownBox::Kind::Information);
        ASSERT_EQ(shown.size(), 1u) << c.shown;
        EXPECT_EQ(shown.front().text.toStdString(), c.shown);
    }
    installInterfaceLanguage(*qApp, InterfaceLanguage::Russian);
}

TEST(LaunchOptions, HelpAndVersionAreAnsweredBeforeAnyWindowAndOthersAreLeftAlone) {
    const ProgramAbout about{"undertext-embed", "Finds words.", true};
    struct Case {
        std::vector<const char*> words;  // after the program's name
        std::optional<int> status;
        const char* out;  // a part of the output
    };
    const Case cases[] = {
        {{"--version"}, 0, "undertext-embed 2.1\nLicense GPL-3.0-or-later"},
        {{"a.txt", "--help"}, 0, "Usage: undertext-embed [FILE]\nFinds words."},
        {{"-h"}, 0, "--version   show the version"},
        {{"--notice", "x", "a.txt"}, std::nullopt, ""},
        {{"--", "--help"}, std::nullopt, ""},
        {{}, std::nullopt, ""},
    };
    for (const auto& [words, status, part] : cases) {
        std::vector<const char*> argv{"undertext-embed"};
        argv.insert(argv.end(), words.begin(), words.end());
        std::ostringstream out;
        EXPECT_EQ(answerWithoutWindow(static_cast<int>(argv.size()), argv.data(), about, out),
                  status)
            << part;
        EXPECT_NE(out.str().find(part), std::string::npos) << out.str();
        EXPECT_EQ(out.str().empty(), !status);
    }
}

TEST(LaunchOptions, TheGivenTextIsTheFirstWordThatIsNoOptionMadeAbsolute) {
    using namespace Qt::StringLiterals;
    const std::filesystem::path start("/start");
    struct Case {
        QStringList arguments;
        std::optional<std::filesystem::path> file;
    };
    const Case cases[] = {
        {{u"embed"_s}, std::nullopt},
        {{u"embed"_s, u"--notice"_s, u"text.txt"_s}, std::nullopt},
        {{u"embed"_s, u"--notice"_s, u"n"_s, u"a.txt"_s}, "/start/a.txt"},
        {{u"embed"_s, u"/texts/b.txt"_s, u"c.txt"_s}, "/texts/b.txt"},
        {{u"embed"_s, u"--check-start"_s, u"sub/d.txt"_s}, "/start/sub/d.txt"},
    };
    for (const auto& [arguments, file] : cases) {
        EXPECT_EQ(givenTextFile(arguments, start), file) << arguments.join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace undertext::ui
