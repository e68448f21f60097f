#include "common/ui/dialogs.h"

namespace undertext::ui {

QString viewerFailureText(const QString& filePath) {
    return QStringLiteral("Не удалось открыть файл \"%1\" в программе просмотра текста.")
        .arg(filePath);
}

}  // namespace undertext::ui
