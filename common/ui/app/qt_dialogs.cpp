#include "common/ui/app/qt_dialogs.h"

#include <utility>

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace undertext::ui {

QtDialogs::QtDialogs(QString programTitle) : programTitle_(std::move(programTitle)) {}

void QtDialogs::inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle_, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::ask(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFileToOpen(QWidget* parent,
                                                   const OpenFileRequest& request) {
    const QString name =
        QFileDialog::getOpenFileName(parent, request.title, request.initialFolder, request.filter);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<SaveFileChoice> QtDialogs::chooseFileToSave(QWidget* parent,
                                                          const SaveFileRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialFolder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file is confirmed by the dialog's own question.
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SaveFileChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

void QtDialogs::openInViewer(QWidget* parent, const QString& filePath) {
    // The desktop starts the user's own viewer as a separate process and does not
    // wait for it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(filePath))) {
        inform(parent, viewerFailureText(filePath));
    }
}

}  // namespace undertext::ui
