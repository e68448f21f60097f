#include "viewer/ui/report_table_model.h"

#include <QCoreApplication>

#include "common/core/text/codepage.h"

namespace undertext::ui {

ReportTableModel::ReportTableModel(std::vector<ReportRow> rows, const QString& textCaption,
                                   QObject* parent)
    : QAbstractTableModel(parent),
      rows_(std::move(rows)),
      captions_{textCaption, QCoreApplication::translate("ReportTableModel", "Кол-во"),
                QCoreApplication::translate("ReportTableModel", "Длина")} {
    texts_.reserve(static_cast<qsizetype>(rows_.size()));
    for (const auto& row : rows_) {
        texts_.append(QString::fromStdString(cp1251ToUtf8(row.text)));
    }
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)) {
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
        default:
            return QVariant::fromValue<qulonglong>(entry.length);
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return captions_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace undertext::ui
