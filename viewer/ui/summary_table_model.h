#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "viewer/core/summary_table.h"

namespace undertext::ui {

// A corpus summary as a table: the word or fragment, then its numbers as the file
// writes them, with the numbers in kSortRole. The captions are the window's
// words for the file's columns.
class SummaryTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit SummaryTableModel(SummaryTable table, QObject* parent = nullptr);

    const SummaryTable& table() const { return table_; }
    // True when the summary has a q column and the row's q is below the level.
    bool isNonRandom(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    SummaryTable table_;
    QStringList terms_;  // the rows' terms as QStrings
    QStringList captions_;
};

}  // namespace undertext::ui
