#include "common/ui/common_dialog_api.h"

#include <QStringList>

#include "common/ui/dialogs.h"

namespace undertext::ui {
namespace {

QString withNuls(const char* description, const char* pattern) {
    return QString::fromLatin1(description) + QChar(0) + QString::fromLatin1(pattern) + QChar(0);
}

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

QString allFilesFilter() {
    return withNuls("All Files (*.*)", "*.*");
}

QString textFilesFilter() {
    return withNuls("Text Files (*.txt)", "*.txt");
}

QString qtNameFilter(const QString& fileFilter) {
    const QStringList parts = fileFilter.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains(QLatin1Char('('))) {
            description += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        }
        // On Linux a file name need not have a dot.
        description.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        filters.append(description);
    }
    return filters.join(QStringLiteral(";;"));
}

CommonDialogAPI::CommonDialogAPI(Dialogs& dialogs) : dialogs_(dialogs) {}

void CommonDialogAPI::SaveFileDialog(QWidget* FormName, const QString& InitDir,
                                     QString& FileFilter) {
    FileFilter = allFilesFilter();
    const auto chosen = dialogs_.chooseFileToOpen(
        FormName, {QStringLiteral("Open File"), InitDir, qtNameFilter(FileFilter)});
    if (!chosen) {
        mFileName = QString::fromLatin1(kNoFileName);
        status_ = false;
        return;
    }
    mFileName = *chosen;
    status_ = true;
}

void CommonDialogAPI::OpenFileDialog(QWidget* FormName, const QString& InitDir,
                                     const QString& FileFilter, const QString& proposedName,
                                     const std::function<void(const QString&)>& SaveRez) {
    const auto chosen = dialogs_.chooseFileToSave(
        FormName, {QStringLiteral("Save File"), InitDir, trimBlanks(proposedName),
                   qtNameFilter(FileFilter), QStringLiteral("txt")});
    if (!chosen) {
        mFileName = QString::fromLatin1(kNoFileName);
        status_ = false;
        return;
    }
    status_ = true;
    SaveRez(*chosen);
}

}  // namespace undertext::ui
