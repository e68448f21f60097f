#include "common/ui/widgets/open_file_action.h"

#include <cassert>
#include <new>
#include <system_error>
#include <utility>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "common/core/files/file_io.h"
#include "common/core/files/memory_file.h"
#include "common/core/text/letters.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"
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
    assert(targets_.sourceBox && targets_.results && targets_.language && targets_.encoding &&
           targets_.progress);
    QObject::connect(targets_.encoding->box(), &QComboBox::currentIndexChanged, owner_,
                     [this] { showForcedEncoding(); });
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

void OpenFileAction::openGiven(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        if (const auto content = readWholeFile(file); !content) {
            dialogs_.inform(owner_, shownMessage(content.error()));
            return;
        }
    }
    take(file.lexically_normal());
}

void OpenFileAction::take(const std::filesystem::path& chosen) {
    chosenName_ = QString::fromStdString(chosen.filename().string());
    targets_.sourceBox->setText(chosenName_);
    targets_.progress->showNotRun();
    sourceFolder_ = chosen.parent_path();
    targets_.results->point(sourceFolder_, chosenName_ + reportPattern_);
    const auto remembered = writeRememberedFolder(startFolder_, kLastPathFile, sourceFolder_);
    if (!remembered) {
        dialogs_.inform(owner_, shownMessage(remembered.error()));
    }
    readChosenText(sourceFolder_ / chosen.filename());
}

std::optional<DecodedText> OpenFileAction::decodeChosen(const std::filesystem::path& file) {
    try {
        auto content = readWholeFile(file);
        if (!content) {
            // The search will meet the same file later.
            dialogs_.inform(owner_, shownMessage(content.error()));
            return std::nullopt;
        }
        return decodeText(std::move(content.value()), targets_.encoding->forced());
    } catch (const std::bad_alloc&) {
        dialogs_.inform(owner_, shownMessage(outOfMemoryMessage(file)));
        return std::nullopt;
    }
}

void OpenFileAction::readChosenText(const std::filesystem::path& file) {
    // A new file is decoded as detected: the box goes back to «Авто» below.
    const QSignalBlocker quiet(targets_.encoding->box());
    targets_.encoding->box()->setCurrentIndex(0);
    const auto decoded = decodeChosen(file);
    if (decoded) {
        targets_.encoding->showDetected(decoded->encoding, decoded->invalidBytes);
        targets_.language->select(undertext::guessLanguage(decoded->cp1251));
    }
}

void OpenFileAction::showForcedEncoding() {
    if (chosenName_.isEmpty()) {
        return;
    }
    const auto decoded = decodeChosen(sourceFolder_ / chosenName_.toStdString());
    if (decoded) {
        targets_.encoding->showInForce(decoded->encoding, decoded->invalidBytes);
    }
}

}  // namespace undertext::ui
