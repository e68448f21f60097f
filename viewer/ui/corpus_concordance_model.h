#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "viewer/core/kwic_lines.h"

namespace undertext::ui {

// The keyword-in-context lines of one fragment over the texts of a corpus: the
// text, the position, the left context (right-aligned), the occurrence (bold) and
// the right context.
class CorpusConcordanceModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Text, Position, Left, Span, Right, ColumnCount };
    struct Line {
        QString text;  // the text's name
        KwicLine line;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<Line> lines);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<Line> lines_;
};

}  // namespace undertext::ui
