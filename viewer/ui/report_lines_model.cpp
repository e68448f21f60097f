#include "viewer/ui/report_lines_model.h"

#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/text/codepage.h"
#include "viewer/core/report_encoding.h"

namespace undertext::ui {
namespace {

std::optional<std::string> fileStart(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(static_cast<qint64>(kEncodingSample)).toStdString();
}

qint64 markSize(SourceEncoding encoding) {
    return encoding.byteOrderMark ? static_cast<qint64>(byteOrderMarkOf(encoding.encoding).size())
                                  : 0;
}

// The most bytes that a Windows-1251 character takes in the encoding.
qint64 bytesPerCharacter(TextEncoding encoding) {
    // In UTF-8 every Windows-1251 character takes at most three.
    return encoding == TextEncoding::Utf8 ? 3 : static_cast<qint64>(codeUnitSize(encoding));
}

}  // namespace

ReportLinesModel::ReportLinesModel(const QString& path, const QString& sourcePath, QObject* parent)
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
    const auto sample = static_cast<std::size_t>(std::min<qint64>(size_, kEncodingSample));
    const auto source = fileStart(sourcePath);
    encoding_ = reportEncoding(std::string_view(bytes_, sample),
                               source ? std::optional<std::string_view>(*source) : std::nullopt);
    textStart_ = markSize(encoding_);
    unit_ = static_cast<qint64>(codeUnitSize(encoding_.encoding));
    lowByte_ = isBigEndian(encoding_.encoding) ? unit_ - 1 : 0;
    // The view counts rows in int; a file of more lines shows its first ones.
    constexpr qint64 kMaxLines = std::numeric_limits<int>::max() - 1;
    qint64 start = textStart_;
    qint64 lines = 0;
    while (start < size_ && lines < kMaxLines) {
        if (lines % kLinesPerMark == 0) {
            marks_.push_back(start);
        }
        ++lines;
        start = std::min(lineEnd(start) + unit_, size_);
    }
    lineCount_ = static_cast<int>(lines);
}

bool ReportLinesModel::unitIs(qint64 pos, char c) const {
    for (qint64 i = 0; i < unit_; ++i) {
        if (bytes_[pos + i] != (i == lowByte_ ? c : '\0')) {
            return false;
        }
    }
    return true;
}

qint64 ReportLinesModel::lineEnd(qint64 start) const {
    // In UTF-16 and UTF-32 a byte 0x0A is a line feed only as the low byte of a
    // code unit whose other bytes are zero.
    for (qint64 at = start; at < size_;) {
        const void* found = std::memchr(bytes_ + at, '\n', static_cast<std::size_t>(size_ - at));
        if (found == nullptr) {
            break;
        }
        const qint64 feed = static_cast<const char*>(found) - bytes_;
        const qint64 unit = feed - lowByte_;
        if (unit >= start && (unit - textStart_) % unit_ == 0 && unit + unit_ <= size_ &&
            unitIs(unit, '\n')) {
            return unit;
        }
        at = feed + 1;
    }
    return size_;
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
        start = lineEnd(start) + unit_;
    }
    qint64 end = lineEnd(start);
    if (end - start >= unit_ && unitIs(end - unit_, '\r')) {
        end -= unit_;
    }
    const auto encoding = encoding_.encoding;
    qint64 length = std::min(end - start, kShownLineLength * bytesPerCharacter(encoding));
    // A cut UTF-8 line ends on a whole character.
    while (encoding == TextEncoding::Utf8 && length < end - start && length > 0 &&
           (static_cast<unsigned char>(bytes_[start + length]) & 0xC0) == 0x80) {
        --length;
    }
    auto text =
        decodeText(std::string_view(bytes_ + start, static_cast<std::size_t>(length)), encoding)
            .cp1251;
    const bool cut = length < end - start || static_cast<qsizetype>(text.size()) > kShownLineLength;
    text.resize(std::min<std::size_t>(text.size(), kShownLineLength));
    QString shown = QString::fromStdString(cp1251ToUtf8(text));
    if (cut) {
        shown += QStringLiteral(" …");
    }
    return shown;
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
