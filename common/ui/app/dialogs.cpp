#include "common/ui/app/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// The folder given, or the first folder for a user who has chosen none yet.
QString orFirstFolder(const QString& folder) {
    return folder.isEmpty() ? firstFolderToBrowse() : folder;
}

}  // namespace

QString firstFolderToBrowse() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && documents != QDir::homePath() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

QString viewerFailureText(const QString& filePath) {
    return QCoreApplication::translate(
               "Dialogs", "Не удалось открыть файл \"%1\" в программе просмотра текста.")
        .arg(filePath);
}

std::optional<QString> chooseTextToOpen(Dialogs& dialogs, QWidget* parent, const QString& folder) {
    // On Linux a file name need not have a dot, so every file is "*".
    return dialogs.chooseFileToOpen(parent, {QStringLiteral("Open File"), orFirstFolder(folder),
                                             QStringLiteral("All Files (*)")});
}

std::optional<ResultsFileChoice> chooseWhereToSave(Dialogs& dialogs, QWidget* parent,
                                                   const QString& folder,
                                                   const QString& proposedName) {
    const auto utf8Filter = QCoreApplication::translate("Dialogs", "Текст UTF-8 (*.txt)");
    const auto chosen = dialogs.chooseFileToSave(
        parent, {QStringLiteral("Save File"), orFirstFolder(folder), trimBlanks(proposedName),
                 QStringLiteral("Text Files (*.txt);;") + utf8Filter, QStringLiteral("txt")});
    if (!chosen) {
        return std::nullopt;
    }
    return ResultsFileChoice{chosen->file, chosen->filter == utf8Filter};
}

}  // namespace undertext::ui
