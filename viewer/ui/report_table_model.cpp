#include "viewer/ui/report_table_model.h"

#include <QCoreApplication>

#include "common/core/text/codepage.h"
#include "viewer/ui/sort_role.h"

namespace undertext::ui {

ReportTableModel::ReportTableModel(std::vector<ReportRow> rows, const QString& textCaption,
                                   QObject* parent)
    : QAbstractTableModel(parent),
      rows_(std::move(rows)),
      captions_{textCaption,
                QCoreApplication::translate("ReportTableModel", "Кол-во"),
                QCoreApplication::translate("ReportTableModel", "Длина"),
                QCoreApplication::translate("ReportTableModel", "Ожидается"),
                QCoreApplication::translate("ReportTableModel", "Отношение"),
                QStringLiteral("q")} {
    texts_.reserve(static_cast<qsizetype>(rows_.size()));
    for (const auto& row : rows_) {
        texts_.append(QString::fromStdString(cp1251ToUtf8(row.text)));
    }
}

void ReportTableModel::addSignificance(const SignificanceTable& table) {
    beginResetModel();
    significance_.clear();
    significance_.reserve(rows_.size());
    for (const auto& row : rows_) {
        const auto found = table.find(row.text);
        significance_.push_back(found == table.end() ? std::nullopt : std::optional(found->second));
    }
    endResetModel();
}

bool ReportTableModel::isNonRandom(int index) const {
    const auto row = static_cast<std::size_t>(index);
    return row < significance_.size() && significance_[row] &&
           undertext::isNonRandom(significance_[row]->q);
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (hasSignificance() ? ColumnCount : Expected);
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount() ||
        (role != Qt::DisplayRole && role != Qt::TextAlignmentRole && role != kSortRole)) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == Text ? Qt::AlignLeft : Qt::AlignRight));
    }
    const auto& entry = row(index.row());
    switch (index.column()) {
        case Text:
            return texts_[index.row()];
        case Count:
            return QVariant::fromValue<qulonglong>(entry.count);
        case Length:
            return QVariant::fromValue<qulonglong>(entry.length);
        default:
            return significanceCell(index.row(), index.column(), role);
    }
}

QVariant ReportTableModel::significanceCell(int row, int column, int role) const {
    const auto& entry = significance_[static_cast<std::size_t>(row)];
    if (!entry) {
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    }
    const auto& cell =
        column == Expected ? entry->expected : (column == Ratio ? entry->ratio : entry->q);
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(cell.text);
    }
    return cell.value ? QVariant(*cell.value) : QVariant();
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return captions_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace undertext::ui
