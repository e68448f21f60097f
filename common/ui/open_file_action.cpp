#include "common/ui/open_file_action.h"

#include <cassert>
#include <utility>

#include <QAbstractButton>
#include <QLineEdit>

#include "common/core/file_io.h"
#include "common/core/letters.h"
#include "common/core/memory_file.h"
#include "common/ui/dialogs.h"
#include "common/ui/encoding_chooser.h"
#include "common/ui/language_options.h"
#include "common/ui/result_file_list.h"
#include "common/ui/window_parts.h"

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
        const std::filesystem::path chosen(file->toStdString());
        const auto name = QString::fromStdString(chosen.filename().string());
        targets_.sourceBox->setText(name);
        sourceFolder_ = chosen.parent_path();
        targets_.results->point(sourceFolder_, name + reportPattern_);
        const auto remembered = writeRememberedFolder(startFolder_, kLastPathFile, sourceFolder_);
        if (!remembered) {
            dialogs_.inform(owner_, QString::fromStdString(remembered.error()));
        }
        readChosenText(sourceFolder_ / chosen.filename());
    }
    focusPrimaryButton(targets_.primaryButton);
}

void OpenFileAction::readChosenText(const std::filesystem::path& file) {
    const auto content = readWholeFile(file);
    if (!content) {
        // The language stays as it was; the search will meet the same file later.
        dialogs_.inform(owner_, QString::fromStdString(content.error()));
        return;
    }
    const auto decoded = decodeText(content.value());
    targets_.encoding->showDetected(decoded.encoding, decoded.invalidBytes);
    targets_.language->select(undertext::guessLanguage(decoded.cp1251));
}

}  // namespace undertext::ui
