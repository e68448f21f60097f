#include "common/ui/app/dialogs.h"

namespace undertext::ui {
namespace {

// The text without the blanks at its ends (other white space stays).
QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(begin, end - begin);
}

}  // namespace

QString viewerFailureText(const QString& filePath) {
    return QStringLiteral("Не удалось открыть файл \"%1\" в программе просмотра текста.")
        .arg(filePath);
}

std::optional<QString> chooseTextToOpen(Dialogs& dialogs, QWidget* parent, const QString& folder) {
    // On Linux a file name need not have a dot, so every file is "*".
    return dialogs.chooseFileToOpen(
        parent, {QStringLiteral("Open File"), folder, QStringLiteral("All Files (*)")});
}

std::optional<ResultsFileChoice> chooseWhereToSave(Dialogs& dialogs, QWidget* parent,
                                                   const QString& folder,
                                                   const QString& proposedName) {
    const auto utf8Filter = QStringLiteral("Текст UTF-8 (*.txt)");
    const auto chosen = dialogs.chooseFileToSave(
        parent, {QStringLiteral("Save File"), folder, trimBlanks(proposedName),
                 QStringLiteral("Text Files (*.txt);;") + utf8Filter, QStringLiteral("txt")});
    if (!chosen) {
        return std::nullopt;
    }
    return ResultsFileChoice{chosen->file, chosen->filter == utf8Filter};
}

}  // namespace undertext::ui
