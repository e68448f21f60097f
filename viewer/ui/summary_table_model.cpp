#include "viewer/ui/summary_table_model.h"

#include <map>
#include <string>

#include <QCoreApplication>

#include "viewer/core/significance_file.h"
#include "viewer/ui/sort_role.h"

namespace undertext::ui {
namespace {

QString caption(const std::string& column) {
    static const std::map<std::string, const char*> kCaptions = {
        {"word", QT_TRANSLATE_NOOP("SummaryTableModel", "Слово")},
        {"fragment", QT_TRANSLATE_NOOP("SummaryTableModel", "Фрагмент")},
        {"total", QT_TRANSLATE_NOOP("SummaryTableModel", "Всего")},
        {"texts", QT_TRANSLATE_NOOP("SummaryTableModel", "Текстов")},
        {"per_million", QT_TRANSLATE_NOOP("SummaryTableModel", "На миллион букв")},
        {"dp", "DP"},
        {"length", QT_TRANSLATE_NOOP("SummaryTableModel", "Длина")},
        {"expected", QT_TRANSLATE_NOOP("SummaryTableModel", "Ожидается")},
        {"ratio", QT_TRANSLATE_NOOP("SummaryTableModel", "Отношение")},
        {"q", "q"},
    };
    const auto found = kCaptions.find(column);
    return found != kCaptions.end()
               ? QCoreApplication::translate("SummaryTableModel", found->second)
               : QString::fromStdString(column);
}

}  // namespace

SummaryTableModel::SummaryTableModel(SummaryTable table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)) {
    for (const auto& row : table_.rows) {
        terms_.append(QString::fromStdString(row.term));
    }
    for (const auto& column : table_.columns) {
        captions_.append(caption(column));
    }
}

bool SummaryTableModel::isNonRandom(int row) const {
    return table_.qColumn &&
           undertext::isNonRandom(
               table_.rows[static_cast<std::size_t>(row)].numbers[*table_.qColumn]);
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int SummaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    }
    if (role != Qt::DisplayRole && role != kSortRole) {
        return {};
    }
    if (index.column() == 0) {
        return terms_[index.row()];
    }
    const auto& cell = table_.rows[static_cast<std::size_t>(index.row())]
                           .numbers[static_cast<std::size_t>(index.column() - 1)];
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(cell.text);
    }
    return cell.value ? QVariant(*cell.value) : QVariant();
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return captions_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace undertext::ui
