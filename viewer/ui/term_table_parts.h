#pragma once

#include <functional>

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;
class QWidget;

namespace undertext::ui {

class ReportTableOrder;

// What the report viewer and the summary viewer put over and in their tables of
// words or fragments. GUI thread only.

// The text filter (object name FilterBox) of order's first column.
QLineEdit* makeFilterBox(QWidget* parent, QSortFilterProxyModel& order);

// The label (RowCount) that keeps "Строк: N" of order up to date.
QLabel* makeRowCount(QWidget* parent, QSortFilterProxyModel& order);

// The check box (OnlyNonRandom) that keeps only the rows found not by chance.
QCheckBox* makeNonRandomFilter(QWidget* parent, ReportTableOrder& order);

// The view of order (objectName): in the model's own order until a column's
// caption is clicked, one whole row chosen at a time, each row a line high, the
// blanks of the first column made visible, that column taking the room left.
// chooseRow is called with the current row as it changes.
QTableView* makeTermTable(QWidget* parent, const QString& objectName, QSortFilterProxyModel& order,
                          std::function<void(int row)> chooseRow);

}  // namespace undertext::ui
