#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "common/ui/app/dialogs.h"

namespace undertext::ui {

// One box or dialog that a scripted service was asked to show.
struct ShownBox {
    enum class Kind { Information, Question, OpenFile, SaveFile, Viewer };
    Kind kind;
    QString title;
    QString text;         // message text; the initial folder for a file dialog
    QStringList buttons;  // "OK", or "Yes" and "No"; empty for file dialogs
};

// A dialogs service for tests: nothing is shown and nothing blocks. Questions are
// answered from a queue (No once it is empty), file dialogs return the queued
// choices (a cancel once empty), and every request is recorded in order.
// GUI thread only.
class ScriptedDialogs final : public Dialogs {
  public:
    explicit ScriptedDialogs(QString programTitle = QStringLiteral("Undertext"));

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    // A chosen full file name, or nullopt for a cancelled dialog; a save dialog
    // answers with the file type at fileType among its filters.
    void queueFile(const std::optional<QString>& file, int fileType = 0) {
        files_.push_back({file.has_value(), file.value_or(QString()), fileType});
    }
    // Runs while a question is open, before it is answered (the moment at which a
    // real box would sit on the screen).
    void setWhileQuestionOpen(std::function<void(const ShownBox&)> hook) {
        whileQuestionOpen_ = std::move(hook);
    }

    const std::vector<ShownBox>& shown() const { return shown_; }
    // The boxes of one kind, in order.
    std::vector<ShownBox> shownOfKind(ShownBox::Kind kind) const;
    // The files handed to the text viewer.
    const QStringList& viewedFiles() const { return viewed_; }
    // The requests of the file dialogs, in order.
    const std::vector<OpenFileRequest>& openRequests() const { return openRequests_; }
    const std::vector<SaveFileRequest>& saveRequests() const { return saveRequests_; }
    void clearShown() { shown_.clear(); }

    void inform(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> chooseFileToSave(QWidget* parent,
                                                   const SaveFileRequest& request) override;
    void openInViewer(QWidget* parent, const QString& filePath) override;

  private:
    struct QueuedFile {
        bool chosen;
        QString name;
        int fileType;
    };
    std::optional<QueuedFile> nextFile();

    QString programTitle_;
    std::deque<bool> answers_;
    std::deque<QueuedFile> files_;
    std::function<void(const ShownBox&)> whileQuestionOpen_;
    std::vector<ShownBox> shown_;
    QStringList viewed_;
    std::vector<OpenFileRequest> openRequests_;
    std::vector<SaveFileRequest> saveRequests_;
};

}  // namespace undertext::ui
