#include "viewer/ui/report_table_model.h"

#include <gtest/gtest.h>

#include <QSortFilterProxyModel>

#include "common/core/text/codepage.h"

namespace undertext::ui {
namespace {

TEST(ReportTableModel, SortsCountsAsNumbersAndFiltersByText) {
    ReportTableModel table(
        {{utf8ToCp1251("кот"), 2, 3}, {utf8ToCp1251("котел"), 14, 5}, {utf8ToCp1251("ел"), 100, 2}},
        QStringLiteral("Слово"));
    QSortFilterProxyModel order;
    order.setSourceModel(&table);
    order.sort(ReportTableModel::Count, Qt::AscendingOrder);
    QStringList counts;
    for (int row = 0; row < order.rowCount(); ++row) {
        counts.append(order.index(row, ReportTableModel::Count).data().toString());
    }
    EXPECT_EQ(counts,
              (QStringList{QStringLiteral("2"), QStringLiteral("14"), QStringLiteral("100")}));
    order.setFilterKeyColumn(ReportTableModel::Text);
    order.setFilterFixedString(QStringLiteral("кот"));
    EXPECT_EQ(order.rowCount(), 2);
    EXPECT_EQ(table.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Слово"));
}

}  // namespace
}  // namespace undertext::ui
