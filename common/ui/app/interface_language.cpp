#include "common/ui/app/interface_language.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace undertext::ui {
namespace {

// The language part of a tag such as "ru-RU" or "en_GB", in lower case.
QString languagePart(const QString& tag) {
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// The translators installed here are the application's children (and the only
// ones), so that the next choice can take them out again.
void removeOurTranslators(QApplication& application) {
    for (auto* translator : application.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(translator);
        delete translator;
    }
}

// Whether the translation file name (without ".qm") was found in folder.
bool installTranslator(QApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder)) {
        QApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

void installOurTranslation(QApplication& application, const QString& name) {
    for (const QString& folder : translationFolders(QApplication::applicationDirPath())) {
        if (installTranslator(application, name, folder)) {
            return;
        }
    }
}

}  // namespace

InterfaceLanguage interfaceLanguageFor(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        if (const auto language = interfaceLanguageNamed(languagePart(tag))) {
            return *language;
        }
    }
    return InterfaceLanguage::English;
}

std::optional<InterfaceLanguage> interfaceLanguageNamed(const QString& name) {
    if (name == QLatin1String("ru")) {
        return InterfaceLanguage::Russian;
    }
    if (name == QLatin1String("en")) {
        return InterfaceLanguage::English;
    }
    return std::nullopt;
}

QStringList translationFolders(const QString& programFolder) {
    const QDir folder(programFolder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral("../share/undertext/translations"))),
            QDir::cleanPath(folder.filePath(QStringLiteral("../../share/undertext/translations")))};
}

void installInterfaceLanguage(QApplication& application, InterfaceLanguage language) {
    removeOurTranslators(application);
    if (language == InterfaceLanguage::Russian) {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        installTranslator(application, QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    } else {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        installOurTranslation(application, QStringLiteral("undertext_en"));
    }
}

}  // namespace undertext::ui
