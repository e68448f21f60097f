#include "common/ui/widgets/result_file_list.h"

#include <chrono>
#include <string_view>
#include <system_error>

#include <QKeyEvent>

#include "common/core/files/file_names.h"
#include "common/ui/widgets/object_names.h"

namespace undertext::ui {
namespace {

// True when a suffix ends name and begins no later than the end of the pattern's
// fixed start (before its first wildcard), which names the source.
bool endsInReportSuffix(std::string_view name, std::string_view pattern,
                        const std::vector<std::string>& suffixes) {
    const auto fixedStart = pattern.substr(0, pattern.find_first_of("*?"));
    for (const auto& suffix : suffixes) {
        if (name.size() >= suffix.size() && name.size() - suffix.size() <= fixedStart.size() &&
            sameNameIgnoringCase(name.substr(name.size() - suffix.size()), suffix)) {
            return true;
        }
    }
    return false;
}

}  // namespace

ResultFileList::ResultFileList(QWidget* parent)
    : QListWidget(parent), pattern_(QString::fromUtf8(kNoFilePattern)) {
    setObjectName(QString::fromLatin1(names::kResultList));
    connect(this, &QListWidget::itemDoubleClicked, this, &ResultFileList::openEntry);
}

void ResultFileList::point(const std::filesystem::path& folder, const QString& pattern) {
    folder_ = folder;
    pattern_ = pattern;
    runStart_.reset();
    reread();
}

void ResultFileList::startRun() {
    clear();
    // File times come from a coarser clock than now(): a second of slack keeps a
    // file written at once after the start from looking older.
    runStart_ = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(1);
}

void ResultFileList::cancelRun() {
    runStart_.reset();
    reread();
}

bool ResultFileList::writtenThisRun(const std::filesystem::path& file) const {
    if (!runStart_) {
        return true;
    }
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    return !error && written >= *runStart_;
}

void ResultFileList::reread() {
    clear();
    if (folder_.empty()) {
        return;
    }
    const auto pattern = pattern_.toStdString();
    for (const auto& name : listMatchingFiles(folder_, pattern)) {
        if ((reportSuffixes_.empty() || endsInReportSuffix(name, pattern, reportSuffixes_)) &&
            writtenThisRun(folder_ / name)) {
            addItem(QString::fromStdString(name));
        }
    }
}

void ResultFileList::setReportSuffixes(std::vector<std::string> suffixes) {
    reportSuffixes_ = std::move(suffixes);
    reread();
}

void ResultFileList::showJobFiles(const ResultFiles& files, const QString& shownName) {
    if (files.suffix.empty()) {
        reread();
        return;
    }
    const QString name = files.sourceName ? QString::fromStdString(*files.sourceName) : shownName;
    pattern_ = name + QString::fromStdString(files.suffix);
    reread();
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
