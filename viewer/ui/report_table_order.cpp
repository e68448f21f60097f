#include "viewer/ui/report_table_order.h"

#include "viewer/ui/report_table_model.h"

namespace undertext::ui {

ReportTableOrder::ReportTableOrder(ReportTableModel& table, QObject* parent)
    : QSortFilterProxyModel(parent), table_(table) {
    setSourceModel(&table);
    setSortRole(ReportTableModel::kSortRole);
    setFilterKeyColumn(ReportTableModel::Text);
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
           (!onlyNonRandom_ || (table_.hasSignificance() && table_.isNonRandom(sourceRow)));
}

}  // namespace undertext::ui
