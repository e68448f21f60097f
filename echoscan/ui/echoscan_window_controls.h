#pragma once

#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

class QComboBox;
class QPushButton;

namespace undertext::echoscan {

// The window's title, which its heading repeats.
inline constexpr const char* kWindowTitle =
    QT_TRANSLATE_NOOP("EchoscanWindow", "Поиск повторяющихся фрагментов текста");

// The controls of Echoscan's main window, made as children of the window (which
// owns them) and laid out in it: heading and version; the lengths, the language,
// the source file with its encoding and the open button beside the result list,
// the progress and the run buttons. The Tab key goes from the lengths down the
// left area, then down the right one.
struct EchoscanWindowControls {
    explicit EchoscanWindowControls(QWidget& window);

    ui::ClickableLabel* version;
    QComboBox* minLength;
    QComboBox* maxLength;
    ui::DoubleClickLineEdit* source;
    ui::EncodingChooser* encoding;
    ui::LanguageOptions* languages;
    ui::ResultFileList* results;
    ui::ProgressDisplay progress;
    QPushButton* openFile;
    QPushButton* start;
    QPushButton* stop;
    QPushButton* exit;
};

}  // namespace undertext::echoscan
