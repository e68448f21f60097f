#pragma once

#include <functional>

#include <QSortFilterProxyModel>

namespace undertext::ui {

// The order and filter of a table of words or fragments as shown: sorted by the
// numbers of its cells (kSortRole), a cell without one last in either order;
// filtered by text in the first column (letter case ignored) and, when asked, to
// the rows that isNonRandom says were found there not by chance.
class ReportTableOrder final : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    ReportTableOrder(QAbstractItemModel& table, std::function<bool(int sourceRow)> isNonRandom,
                     QObject* parent = nullptr);

    void setOnlyNonRandom(bool only);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    std::function<bool(int sourceRow)> isNonRandom_;
    bool onlyNonRandom_ = false;
};

}  // namespace undertext::ui
