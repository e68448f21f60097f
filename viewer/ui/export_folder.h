#pragma once

#include <filesystem>

#include <QString>

#include "common/core/result.h"

namespace undertext::ui {

// The memory file of the report viewer's exports, in the start folder.
inline constexpr const char* kLastExportPathFile = "LastExportPath.txt";

// The folder in which the report viewer's save dialogs start: the folder of the
// last export, kept in "LastExportPath.txt" in the start folder (as "LastPath.txt"
// keeps the texts' folder), so that every viewer of the programs started there,
// now or later, begins in it. Before the first export, or when that folder is
// gone, the user's documents folder, else the home folder: never the reports'
// folder, so that exports do not land among the reports.
class ExportFolder {
  public:
    explicit ExportFolder(std::filesystem::path startFolder);

    QString initial() const;
    // Remembers the folder of an exported file; a failure names the memory file.
    Status remember(const QString& exportedFile) const;

  private:
    std::filesystem::path startFolder_;
};

}  // namespace undertext::ui
