#pragma once

#include <QString>

#include "common/ui/app/interface_language.h"

class QApplication;

namespace undertext::ui {

// Prepares a program's application before its first window: its name, the
// interface language (our texts and Qt's own: the buttons of the question boxes,
// the file dialogs; see installInterfaceLanguage), the program's window icon from
// the resource path given, e.g. ":/icons/embed.svg", and its end on a stop signal
// (see StopSignalExit). Missing translations leave the untranslated texts;
// nothing here can fail the start.
void prepareApplication(QApplication& application, const QString& name, const QString& iconPath,
                        InterfaceLanguage language);

}  // namespace undertext::ui
