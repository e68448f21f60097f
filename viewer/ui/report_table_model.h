#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "viewer/core/report_rows.h"

namespace undertext::ui {

// The rows of a sorted report as a table: the word or fragment, its count and its
// length. Numbers are numbers for sorting. The first column's caption is the
// program's ("Слово", "Фрагмент").
class ReportTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Text, Count, Length, ColumnCount };

    ReportTableModel(std::vector<ReportRow> rows, const QString& textCaption,
                     QObject* parent = nullptr);

    const ReportRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<ReportRow> rows_;
    QStringList texts_;  // the rows' texts decoded
    QStringList captions_;
};

}  // namespace undertext::ui
