#include "testing/ui/scripted_dialogs.h"

#include <utility>

namespace undertext::ui {

ScriptedDialogs::ScriptedDialogs(QString programTitle) : programTitle_(std::move(programTitle)) {}

std::vector<ShownBox> ScriptedDialogs::shownOfKind(ShownBox::Kind kind) const {
    std::vector<ShownBox> boxes;
    for (const auto& box : shown_) {
        if (box.kind == kind) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

void ScriptedDialogs::inform(QWidget*, const QString& text) {
    shown_.push_back({ShownBox::Kind::Information, programTitle_, text, {QStringLiteral("OK")}});
}

bool ScriptedDialogs::ask(QWidget*, const QString& title, const QString& text) {
    shown_.push_back(
        {ShownBox::Kind::Question, title, text, {QStringLiteral("Yes"), QStringLiteral("No")}});
    if (whileQuestionOpen_) {
        whileQuestionOpen_(shown_.back());
    }
    if (answers_.empty()) {
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

std::optional<ScriptedDialogs::QueuedFile> ScriptedDialogs::nextFile() {
    if (files_.empty()) {
        return std::nullopt;
    }
    const QueuedFile file = files_.front();
    files_.pop_front();
    if (!file.chosen) {
        return std::nullopt;
    }
    return file;
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(QWidget*, const OpenFileRequest& request) {
    shown_.push_back({ShownBox::Kind::OpenFile, request.title, request.initialFolder, {}});
    openRequests_.push_back(request);
    const auto file = nextFile();
    return file ? std::optional<QString>(file->name) : std::nullopt;
}

std::optional<SaveFileChoice> ScriptedDialogs::chooseFileToSave(QWidget*,
                                                                const SaveFileRequest& request) {
    shown_.push_back({ShownBox::Kind::SaveFile, request.title, request.initialFolder, {}});
    saveRequests_.push_back(request);
    const auto file = nextFile();
    if (!file) {
        return std::nullopt;
    }
    return SaveFileChoice{file->name,
                          request.filter.split(QStringLiteral(";;")).value(file->fileType)};
}

void ScriptedDialogs::openInViewer(QWidget* /*parent*/, const QString& filePath) {
    shown_.push_back({ShownBox::Kind::Viewer, {}, filePath, {}});
    viewed_.append(filePath);
}

}  // namespace undertext::ui
