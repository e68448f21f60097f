#pragma once

#include <QColor>

#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace undertext::ui {
class ClickableLabel;
}

namespace undertext::create {

class PhraseBox;

// The result line's background until a variant is shown, and once it is.
inline const QColor kResultLineGrey(214, 211, 206);
inline const QColor kResultLineWhite(255, 255, 255);

// The controls of Create's main window (object name Form1), made as children of the window
// (which owns them) and laid out top to bottom: title and version, phrase,
// result, language and progress, modules, two rows of three buttons.
struct CreateWindowControls {
    explicit CreateWindowControls(QWidget& window);

    ui::ClickableLabel* version;  // Label7
    PhraseBox* phrase;            // Text2
    QLineEdit* result;            // Text3
    ui::LanguageOptions* languages;
    ui::ProgressDisplay progress;
    QListWidget* modules;     // List1
    QPushButton* addModules;  // Command5
    QPushButton* save;        // Command1
    QPushButton* previous;    // Command6
    QPushButton* next;        // Command4
    QPushButton* stop;        // Command2
    QPushButton* exit;        // Command3
};

}  // namespace undertext::create
