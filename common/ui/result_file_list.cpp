#include "common/ui/result_file_list.h"

#include "common/core/file_names.h"
#include "common/ui/dialogs.h"

namespace undertext::ui {

ResultFileList::ResultFileList(Dialogs& dialogs, QWidget* parent)
    : QListWidget(parent), dialogs_(dialogs), pattern_(QString::fromUtf8(kNoFilePattern)) {
    setObjectName(QStringLiteral("File2"));
    connect(this, &QListWidget::itemDoubleClicked, this, &ResultFileList::openEntry);
}

void ResultFileList::point(const std::filesystem::path& folder, const QString& pattern) {
    folder_ = folder;
    pattern_ = pattern;
    reread();
}

void ResultFileList::reread() {
    clear();
    if (folder_.empty()) {
        return;
    }
    for (const auto& name : listMatchingFiles(folder_, pattern_.toStdString())) {
        addItem(QString::fromStdString(name));
    }
}

void ResultFileList::showJobFiles(const ResultFiles& files, const QString& shownName) {
    if (files.suffix.empty()) {
        reread();
        return;
    }
    const QString name = files.sourceName ? QString::fromStdString(*files.sourceName) : shownName;
    point(folder_, name + QString::fromStdString(files.suffix));
}

void ResultFileList::openEntry(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const auto file = folder_ / std::filesystem::path(item->text().toStdString());
    dialogs_.openInViewer(window(), QString::fromStdString(file.string()));
}

}  // namespace undertext::ui
