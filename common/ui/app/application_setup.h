#pragma once

#include <QString>

class QApplication;

namespace undertext::ui {

// Prepares a program's application before its first window: its name, Qt's own
// Russian texts (the buttons of the question boxes, the file dialogs), the
// program's window icon from the resource path given, e.g. ":/icons/embed.svg",
// and its end on a stop signal (see StopSignalExit). Missing translations leave
// Qt's English texts; nothing here can fail the start.
void prepareApplication(QApplication& application, const QString& name, const QString& iconPath);

}  // namespace undertext::ui
