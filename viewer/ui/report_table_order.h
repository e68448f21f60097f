#pragma once

#include <QSortFilterProxyModel>

namespace undertext::ui {

class ReportTableModel;

// The order and filter of a report's table as shown: sorted by the numbers of its
// cells (ReportTableModel::kSortRole), a cell without one last in either order;
// filtered by text in the first column (letter case ignored) and, when asked, to
// the rows found there not by chance.
class ReportTableOrder final : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit ReportTableOrder(ReportTableModel& table, QObject* parent = nullptr);

    void setOnlyNonRandom(bool only);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    ReportTableModel& table_;
    bool onlyNonRandom_ = false;
};

}  // namespace undertext::ui
