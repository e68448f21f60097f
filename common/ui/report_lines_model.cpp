#include "common/ui/report_lines_model.h"

#include <cstring>
#include <limits>
#include <string_view>

#include "common/core/codepage.h"

namespace undertext::ui {

ReportLinesModel::ReportLinesModel(const QString& path, QObject* parent)
    : QAbstractListModel(parent), file_(path) {
    if (!file_.open(QIODevice::ReadOnly)) {
        return;
    }
    size_ = file_.size();
    static const char kEmpty = 0;
    bytes_ = size_ == 0 ? &kEmpty : reinterpret_cast<const char*>(file_.map(0, size_));
    if (bytes_ == nullptr || size_ == 0) {
        return;
    }
    // The view counts rows in int; a file of more lines shows its first ones.
    constexpr qint64 kMaxLines = std::numeric_limits<int>::max() - 1;
    qint64 start = 0;
    qint64 lines = 0;
    while (start < size_ && lines < kMaxLines) {
        if (lines % kLinesPerMark == 0) {
            marks_.push_back(start);
        }
        ++lines;
        const void* end =
            std::memchr(bytes_ + start, '\n', static_cast<std::size_t>(size_ - start));
        start = end == nullptr ? size_ : static_cast<const char*>(end) - bytes_ + 1;
    }
    lineCount_ = static_cast<int>(lines);
}

int ReportLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lineCount_;
}

QVariant ReportLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lineCount_ || role != Qt::DisplayRole) {
        return {};
    }
    return line(index.row());
}

QString ReportLinesModel::line(int row) const {
    if (row < 0 || row >= lineCount_) {
        return {};
    }
    qint64 start = marks_[static_cast<std::size_t>(row / kLinesPerMark)];
    for (int skip = row % kLinesPerMark; skip > 0; --skip) {
        const void* end =
            std::memchr(bytes_ + start, '\n', static_cast<std::size_t>(size_ - start));
        start = static_cast<const char*>(end) - bytes_ + 1;
    }
    const void* found = std::memchr(bytes_ + start, '\n', static_cast<std::size_t>(size_ - start));
    qint64 end = found == nullptr ? size_ : static_cast<const char*>(found) - bytes_;
    if (end > start && bytes_[end - 1] == '\r') {
        --end;
    }
    const qint64 length = std::min<qint64>(end - start, kShownLineLength);
    const std::string_view bytes(bytes_ + start, static_cast<std::size_t>(length));
    QString text = QString::fromStdString(cp1251ToUtf8(bytes));
    if (length < end - start) {
        text += QStringLiteral(" …");
    }
    return text;
}

int ReportLinesModel::find(const QString& text, int from) const {
    if (text.isEmpty() || lineCount_ == 0) {
        return -1;
    }
    for (int step = 0; step < lineCount_; ++step) {
        const int row = static_cast<int>((qint64{from} + step) % lineCount_);
        if (line(row).contains(text, Qt::CaseInsensitive)) {
            return row;
        }
    }
    return -1;
}

}  // namespace undertext::ui
