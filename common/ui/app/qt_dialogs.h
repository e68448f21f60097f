#pragma once

#include "common/ui/app/dialogs.h"

namespace undertext::ui {

// The dialogs service of a running program: QMessageBox, QFileDialog and
// QDesktopServices. The boxes are modal and return when the user answers.
class QtDialogs final : public Dialogs {
  public:
    // programTitle is the title of every information box.
    explicit QtDialogs(QString programTitle);

    void inform(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> chooseFileToSave(QWidget* parent,
                                                   const SaveFileRequest& request) override;
    void openInViewer(QWidget* parent, const QString& filePath) override;

  private:
    QString programTitle_;
};

}  // namespace undertext::ui
