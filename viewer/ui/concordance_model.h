#pragma once

#include <string_view>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "common/core/text/source_span.h"
#include "common/core/text/text_encoding.h"

namespace undertext::ui {

// The keyword-in-context lines of one word or fragment: position, left context
// (right-aligned), the span (highlighted) and the right context. Lines are made
// only when shown. The decoded source must outlive the model's spans.
class ConcordanceModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Position, Left, Span, Right, ColumnCount };
    static constexpr std::size_t kContextWidth = 40;

    using QAbstractTableModel::QAbstractTableModel;

    void show(const DecodedText* source, std::vector<SourceSpan> spans);
    const std::vector<SourceSpan>& spans() const { return spans_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The occurrence at row with `width` characters on either side, as HTML with
    // the span marked.
    QString wideContext(int row, std::size_t width) const;
    // The columns' captions and then every line as tab-separated text (position,
    // left, span, right), each ended by a line feed, in UTF-8.
    std::string tabSeparatedLines() const;

  private:
    const DecodedText* source_ = nullptr;
    std::vector<SourceSpan> spans_;
};

}  // namespace undertext::ui
