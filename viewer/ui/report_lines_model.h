#pragma once

#include <cstdint>
#include <vector>

#include <QAbstractListModel>
#include <QFile>
#include <QString>

#include "common/core/text/text_encoding.h"

namespace undertext::ui {

// The lines of a report file as a list model over the file mapped into memory:
// nothing is loaded whole. The report is in its source text's encoding (8-bit,
// UTF-8 or UTF-16, with or without a byte-order mark), told from the starts of
// the report and of the source (sourcePath, when the source is at hand). One scan
// notes where every sixteenth line starts (8 bytes per 16 lines); a line is decoded
// only when shown. A line longer than kShownLineLength characters is shown cut. A
// file that cannot be read gives no lines and isOpen() false. GUI thread only.
class ReportLinesModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr qsizetype kShownLineLength = 4000;

    explicit ReportLinesModel(const QString& path, const QString& sourcePath = {},
                              QObject* parent = nullptr);

    bool isOpen() const { return bytes_ != nullptr; }
    // The encoding the report is read in.
    SourceEncoding encoding() const { return encoding_; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The line decoded to text, cut as it is shown.
    QString line(int row) const;
    // The first row at or after from (wrapping round) whose line holds text,
    // letter case ignored; -1 when none does.
    int find(const QString& text, int from) const;

  private:
    static constexpr int kLinesPerMark = 16;

    // True when the code unit at pos is the character c (ASCII).
    bool unitIs(qint64 pos, char c) const;
    // Where the line feed that ends the line starting at start is, or the file's size.
    qint64 lineEnd(qint64 start) const;

    QFile file_;
    const char* bytes_ = nullptr;
    qint64 size_ = 0;
    SourceEncoding encoding_;
    qint64 textStart_ = 0;       // past the byte-order mark
    qint64 unit_ = 1;            // bytes per code unit: 2 in UTF-16, 4 in UTF-32
    qint64 lowByte_ = 0;         // where in a code unit its low byte stands
    std::vector<qint64> marks_;  // the start of lines 0, 16, 32, ...
    int lineCount_ = 0;
};

}  // namespace undertext::ui
