#pragma once

#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace undertext::embed {

// The controls of Embed's main window, made as children of the window (which
// owns them) and laid out in it: heading and version; the source file with its
// encoding and the modules beside the result list; the language beside the
// progress, with the significance check box under the language; the buttons. They are made in their
// tab order.
struct EmbedWindowControls {
    explicit EmbedWindowControls(QWidget& window);

    ui::ClickableLabel* version;
    ui::DoubleClickLineEdit* source;
    ui::EncodingChooser* encoding;
    QListWidget* modules;
    ui::ResultFileList* results;
    ui::LanguageOptions* languages;
    QCheckBox* significance;  // «Оценить случайность», off
    ui::ProgressDisplay progress;
    QPushButton* addModules;
    QPushButton* openFile;
    QPushButton* start;
    QPushButton* stop;
    QPushButton* exit;
};

}  // namespace undertext::embed
