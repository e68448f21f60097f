#include "common/ui/widgets/result_file_list.h"

#include <QKeyEvent>

#include "common/core/files/file_names.h"
#include "common/ui/widgets/object_names.h"

namespace undertext::ui {

ResultFileList::ResultFileList(QWidget* parent)
    : QListWidget(parent), pattern_(QString::fromUtf8(kNoFilePattern)) {
    setObjectName(QString::fromLatin1(names::kResultList));
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

void ResultFileList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentItem() != nullptr && currentItem()->isSelected()) {
        openEntry(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ResultFileList::openEntry(QListWidgetItem* item) {
    if (item == nullptr || !opener_) {
        return;
    }
    opener_(folder_ / std::filesystem::path(item->text().toStdString()));
}

}  // namespace undertext::ui
