#include "viewer/ui/report_table_order.h"

#include <utility>

#include "viewer/ui/sort_role.h"

namespace undertext::ui {

ReportTableOrder::ReportTableOrder(QAbstractItemModel& table,
                                   std::function<bool(int sourceRow)> isNonRandom, QObject* parent)
    : QSortFilterProxyModel(parent), isNonRandom_(std::move(isNonRandom)) {
    setSourceModel(&table);
    setSortRole(kSortRole);
    setFilterKeyColumn(0);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void ReportTableOrder::setOnlyNonRandom(bool only) {
    onlyNonRandom_ = only;
    invalidateRowsFilter();
}

bool ReportTableOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftEmpty = !left.data(sortRole()).isValid();
    const bool rightEmpty = !right.data(sortRole()).isValid();
    if (leftEmpty || rightEmpty) {
        // A descending sort asks whether right is less than left.
        const bool emptyLast = sortOrder() == Qt::AscendingOrder ? rightEmpty : leftEmpty;
        return leftEmpty != rightEmpty && emptyLast;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

bool ReportTableOrder::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent) &&
           (!onlyNonRandom_ || isNonRandom_(sourceRow));
}

}  // namespace undertext::ui
