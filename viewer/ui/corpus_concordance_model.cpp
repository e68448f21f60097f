#include "viewer/ui/corpus_concordance_model.h"

#include <QCoreApplication>
#include <QFont>

namespace undertext::ui {

void CorpusConcordanceModel::show(std::vector<Line> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int CorpusConcordanceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CorpusConcordanceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CorpusConcordanceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (column == Left || column == Position ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role == Qt::FontRole && column == Span) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto& line = lines_[static_cast<std::size_t>(index.row())];
    switch (column) {
        case Text:
            return line.text;
        case Position:
            return QString::number(line.line.position);
        case Left:
            return QString::fromStdString(line.line.left);
        case Span:
            return QString::fromStdString(line.line.span);
        default:
            return QString::fromStdString(line.line.right);
    }
}

QVariant CorpusConcordanceModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kCaptions[] = {
        QT_TRANSLATE_NOOP("CorpusConcordanceModel", "Текст"),
        QT_TRANSLATE_NOOP("CorpusConcordanceModel", "Позиция"),
        QT_TRANSLATE_NOOP("CorpusConcordanceModel", "Слева"),
        QT_TRANSLATE_NOOP("CorpusConcordanceModel", "Вхождение"),
        QT_TRANSLATE_NOOP("CorpusConcordanceModel", "Справа")};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("CorpusConcordanceModel", kCaptions[section])
               : QVariant();
}

}  // namespace undertext::ui
