#include "viewer/ui/term_table_parts.h"

#include <utility>

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "common/ui/widgets/window_parts.h"
#include "viewer/ui/report_table_order.h"
#include "viewer/ui/visible_blanks.h"

namespace undertext::ui {

QLineEdit* makeFilterBox(QWidget* parent, QSortFilterProxyModel& order) {
    auto* filter = new QLineEdit(parent);
    filter->setObjectName(QStringLiteral("FilterBox"));
    filter->setPlaceholderText(QCoreApplication::translate("ReportViewer", "Отбор по тексту"));
    filter->setClearButtonEnabled(true);
    QObject::connect(filter, &QLineEdit::textChanged, &order,
                     &QSortFilterProxyModel::setFilterFixedString);
    return filter;
}

QLabel* makeRowCount(QWidget* parent, QSortFilterProxyModel& order) {
    auto* label = makeLabel(parent, "RowCount", {});
    const auto countRows = [label, &order] {
        label->setText(
            QCoreApplication::translate("ReportViewer", "Строк: %1").arg(order.rowCount()));
    };
    countRows();
    QObject::connect(&order, &QAbstractItemModel::rowsInserted, label, countRows);
    QObject::connect(&order, &QAbstractItemModel::rowsRemoved, label, countRows);
    QObject::connect(&order, &QAbstractItemModel::modelReset, label, countRows);
    QObject::connect(&order, &QAbstractItemModel::layoutChanged, label, countRows);
    return label;
}

QCheckBox* makeNonRandomFilter(QWidget* parent, ReportTableOrder& order) {
    auto* nonRandom = new QCheckBox(
        QCoreApplication::translate("ReportViewer", "Только неслучайные (q < 0,05)"), parent);
    nonRandom->setObjectName(QStringLiteral("OnlyNonRandom"));
    QObject::connect(nonRandom, &QCheckBox::toggled, &order, &ReportTableOrder::setOnlyNonRandom);
    return nonRandom;
}

QTableView* makeTermTable(QWidget* parent, const QString& objectName, QSortFilterProxyModel& order,
                          std::function<void(int row)> chooseRow) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(&order);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);  // the model's own order first
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    if (order.columnCount() > 0) {  // none in a file that did not read
        view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setItemDelegateForColumn(0, new VisibleBlanksDelegate(view));
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [chooseRow = std::move(chooseRow)](const QModelIndex& current) {
                         chooseRow(current.row());
                     });
    return view;
}

}  // namespace undertext::ui
