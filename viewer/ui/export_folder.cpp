#include "viewer/ui/export_folder.h"

#include <system_error>
#include <utility>

#include <QDir>
#include <QStandardPaths>

#include "common/core/files/memory_file.h"

namespace undertext::ui {

ExportFolder::ExportFolder(std::filesystem::path startFolder)
    : startFolder_(std::move(startFolder)) {}

QString ExportFolder::initial() const {
    const auto remembered = readRememberedFolder(startFolder_, kLastExportPathFile, true);
    std::error_code error;
    if (remembered && std::filesystem::is_directory(*remembered, error)) {
        return QString::fromStdString(remembered->string());
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

Status ExportFolder::remember(const QString& exportedFile) const {
    return writeRememberedFolder(startFolder_, kLastExportPathFile,
                                 std::filesystem::path(exportedFile.toStdString()).parent_path());
}

}  // namespace undertext::ui
