#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class QApplication;

namespace undertext::ui {

// The language the windows speak. Russian is the language of the source texts,
// so it needs no translation of ours; English is undertext_en.qm.
enum class InterfaceLanguage { Russian, English };

// The language asked for by the desktop's languages in order of preference
// (QLocale::uiLanguages(): "ru-RU", "en", "de-DE"...): the first Russian or
// English one decides; without either, English.
InterfaceLanguage interfaceLanguageFor(const QStringList& uiLanguages);

// "ru" or "en" as given to --ui-language; nullopt for any other word.
std::optional<InterfaceLanguage> interfaceLanguageNamed(const QString& name);

// The folders where the suite's translations may lie, beside a program in
// programFolder: the build tree's (bin/../share) and the installed one's
// (libexec/undertext/../../share).
QStringList translationFolders(const QString& programFolder);

// Installs into application the translations of language: for Russian Qt's own
// Russian texts, for English ours (Qt's own are English already), and makes the
// language's locale the default, in place of an earlier call's. A missing file
// leaves the untranslated texts; nothing here can fail the start. GUI thread
// only; windows made before keep their texts.
void installInterfaceLanguage(QApplication& application, InterfaceLanguage language);

}  // namespace undertext::ui
