#include "common/ui/widgets/open_file_action.h"

#include <cassert>
#include <new>
#include <system_error>
#include <utility>

#include <QAbstractButton>
#include <QLineEdit>

#include "common/core/files/file_io.h"
#include "common/core/text/letters.h"
#include "common/core/files/memory_file.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::ui {

OpenFileAction::OpenFileAction(Dialogs& dialogs, std::filesystem::path startFolder,
                               QString reportPattern, OpenFileTargets targets, QWidget* owner)
    : dialogs_(dialogs),
      startFolder_(std::move(startFolder)),
      reportPattern_(std::move(reportPattern)),
      targets_(targets),
      owner_(owner) {
    assert(targets_.sourceBox && targets_.results && targets_.language);
}

std::filesystem::path OpenFileAction::startingFolder() const {
    // A memory file of 2 bytes or fewer is deleted and does not count.
    const auto remembered = readRememberedFolder(startFolder_, kLastPathFile, true);
    return remembered ? *remembered : sourceFolder_;
}

void OpenFileAction::run() {
    const auto file =
        chooseTextToOpen(dialogs_, owner_, QString::fromStdString(startingFolder().string()));
    if (file) {
        take(std::filesystem::path(file->toStdString()));
    }
    focusPrimaryButton(targets_.primaryButton);
}

void OpenFileAction::takeTypedPath() {
    const QString typed = targets_.sourceBox->text();
    if (typed.isEmpty() || (typed == chosenName_ && !sourceFolder_.empty())) {
        return;
    }
    std::filesystem::path path(typed.toStdString());
    if (path.is_relative()) {
        path = (sourceFolder_.empty() ? startFolder_ : sourceFolder_) / path;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        take(path.lexically_normal());
    }
}

void OpenFileAction::take(const std::filesystem::path& chosen) {
    chosenName_ = QString::fromStdString(chosen.filename().string());
    targets_.sourceBox->setText(chosenName_);
    sourceFolder_ = chosen.parent_path();
    targets_.results->point(sourceFolder_, chosenName_ + reportPattern_);
    const auto remembered = writeRememberedFolder(startFolder_, kLastPathFile, sourceFolder_);
    if (!remembered) {
        dialogs_.inform(owner_, QString::fromStdString(remembered.error()));
    }
    readChosenText(sourceFolder_ / chosen.filename());
}

void OpenFileAction::readChosenText(const std::filesystem::path& file) {
    try {
        const auto content = readWholeFile(file);
        if (!content) {
            // The language stays as it was; the search will meet the same file later.
            dialogs_.inform(owner_, QString::fromStdString(content.error()));
            return;
        }
        const auto decoded = decodeText(content.value());
        targets_.encoding->showDetected(decoded.encoding, decoded.invalidBytes);
        targets_.language->select(undertext::guessLanguage(decoded.cp1251));
    } catch (const std::bad_alloc&) {
        dialogs_.inform(owner_, QString::fromStdString(outOfMemoryMessage(file)));
    }
}

}  // namespace undertext::ui
