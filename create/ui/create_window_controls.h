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

// The controls of Create's main window, made as children of the window (which
// owns them) and laid out top to bottom: title and version, phrase, result,
// language and progress, modules, two rows of three buttons.
struct CreateWindowControls {
    explicit CreateWindowControls(QWidget& window);

    ui::ClickableLabel* version;
    PhraseBox* phrase;
    QLineEdit* result;
    ui::LanguageOptions* languages;
    ui::ProgressDisplay progress;
    QListWidget* modules;
    QPushButton* addModules;
    QPushButton* save;
    QPushButton* previous;
    QPushButton* next;
    QPushButton* stop;
    QPushButton* exit;
};

}  // namespace undertext::create
