#include "common/ui/app/launch_options.h"

#include <string_view>

#include <QCommandLineParser>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/messages/translatable.h"
#include "common/core/version.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"

namespace undertext::ui {
namespace {

// The sentences of the launcher's notice (packaging/launcher.sh.in), which the
// shell writes in Russian: marked here so that the window shows the notice in the
// interface language.
[[maybe_unused]] constexpr const char* kLauncherNotices[] = {
    UNDERTEXT_TRANSLATABLE(
        "CoreMessage", "%1 Программа запущена во временной папке «%2» с модулями по умолчанию."),
    UNDERTEXT_TRANSLATABLE("CoreMessage",
                           "Папка «%1» для модулей словарей доступна только для чтения."),
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Не удалось создать папку «%1» для модулей словарей."),
};

const QCommandLineOption& noticeOption() {
    static const QCommandLineOption option(QStringLiteral("notice"), QString(),
                                           QStringLiteral("TEXT"));
    return option;
}

const QCommandLineOption& checkOption() {
    static const QCommandLineOption option(QStringLiteral("check-start"));
    return option;
}

const QCommandLineOption& languageOption() {
    static const QCommandLineOption option(QStringLiteral("ui-language"), QString(),
                                           QStringLiteral("LANGUAGE"));
    return option;
}

// The launcher's options read from arguments; options it does not pass (Qt's
// own, a user's) are no error here: what the parser knows is read all the same.
void parseLaunchOptions(QCommandLineParser& parser, const QStringList& arguments) {
    parser.addOptions({noticeOption(), checkOption(), languageOption()});
    parser.parse(arguments);
}

}  // namespace

std::optional<std::filesystem::path> givenTextFile(const QStringList& arguments,
                                                   const std::filesystem::path& startFolder) {
    QCommandLineParser parser;
    parseLaunchOptions(parser, arguments);
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty() || words.constFirst().isEmpty()) {
        return std::nullopt;
    }
    const std::filesystem::path file(words.constFirst().toStdString());
    return file.is_absolute() ? file : startFolder / file;
}

InterfaceLanguage chosenInterfaceLanguage(const QStringList& arguments,
                                          const QStringList& desktopLanguages, std::ostream& err) {
    QCommandLineParser parser;
    parseLaunchOptions(parser, arguments);
    if (const auto names = parser.values(languageOption()); !names.isEmpty()) {
        if (const auto language = interfaceLanguageNamed(names.last())) {
            return *language;
        }
        err << "--ui-language: no interface in \"" << names.last().toStdString()
            << "\" (ru, en); the desktop's language is used\n";
    }
    return interfaceLanguageFor(desktopLanguages);
}

std::optional<int> answerWithoutWindow(int argc, const char* const argv[],
                                       const ProgramAbout& about, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") {
            return std::nullopt;
        }
        if (word == "--version") {
            out << about.command << " " << kVersion << "\n" << kLicence << "\n";
            return 0;
        }
        if (word == "--help" || word == "-h") {
            out << "Usage: " << about.command << (about.takesFile ? " [FILE]" : "") << "\n"
                << about.description << "\n\n";
            if (about.takesFile) {
                out << "  FILE        " << about.fileHelp << "\n";
            }
            out << "  --ui-language ru|en\n"
                << "              the language of the windows (by default the desktop's)\n"
                << "  -h, --help  show this help and exit\n"
                << "  --version   show the version and its licence and exit\n";
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> applyLaunchOptions(const QStringList& arguments,
                                      const std::filesystem::path& startFolder, Dialogs& dialogs,
                                      std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parseLaunchOptions(parser, arguments);

    const bool checkOnly = parser.isSet(checkOption());
    // A --notice without its text has no value and is ignored.
    if (const auto notices = parser.values(noticeOption()); !notices.isEmpty()) {
        if (checkOnly) {
            err << notices.last().toStdString() << "\n";
        } else {
            dialogs.inform(nullptr, shownMessage(notices.last().toStdString()));
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
