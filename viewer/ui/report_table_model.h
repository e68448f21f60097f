#pragma once

#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "viewer/core/report_rows.h"
#include "viewer/core/significance_file.h"

namespace undertext::ui {

// The rows of a sorted report as a table: the word or fragment, its count and its
// length, and once a significance file is added, each word's expected count,
// ratio and q as the file writes them (empty for a word the file lacks), with
// numbers in kSortRole. The first column's caption is the program's ("Слово",
// "Фрагмент").
class ReportTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Text, Count, Length, Expected, Ratio, Q, ColumnCount };

    ReportTableModel(std::vector<ReportRow> rows, const QString& textCaption,
                     QObject* parent = nullptr);

    const ReportRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    // Adds the significance columns, taking each row's entry from the table.
    void addSignificance(const SignificanceTable& table);
    bool hasSignificance() const { return !significance_.empty(); }
    // True when the row's word was tested and found there not by chance.
    bool isNonRandom(int index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QVariant significanceCell(int row, int column, int role) const;

    std::vector<ReportRow> rows_;
    QStringList texts_;  // the rows' texts decoded
    QStringList captions_;
    std::vector<std::optional<SignificanceEntry>> significance_;  // by row, once added
};

}  // namespace undertext::ui
