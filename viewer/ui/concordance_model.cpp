#include "viewer/ui/concordance_model.h"

#include <cassert>

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>

#include "viewer/core/kwic_lines.h"

namespace undertext::ui {
namespace {

const QColor kSpanBackground(255, 230, 128);

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void ConcordanceModel::show(const DecodedText* source, std::vector<SourceSpan> spans) {
    assert(source != nullptr || spans.empty());
    beginResetModel();
    source_ = source;
    spans_ = std::move(spans);
    endResetModel();
}

int ConcordanceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(spans_.size());
}

int ConcordanceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ConcordanceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: {
            const auto line =
                kwicLine(*source_, spans_[static_cast<std::size_t>(index.row())], kContextWidth);
            switch (column) {
                case Position:
                    return QString::number(line.position);
                case Left:
                    return utf8(line.left);
                case Span:
                    return utf8(line.span);
                default:
                    return utf8(line.right);
            }
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                Qt::AlignVCenter |
                (column == Left || column == Position ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::BackgroundRole:
            return column == Span ? QVariant(QBrush(kSpanBackground)) : QVariant();
        case Qt::FontRole: {
            if (column != Span) {
                return {};
            }
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        default:
            return {};
    }
}

QVariant ConcordanceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kCaptions[] = {QT_TRANSLATE_NOOP("ConcordanceModel", "Позиция"),
                                            QT_TRANSLATE_NOOP("ConcordanceModel", "Слева"),
                                            QT_TRANSLATE_NOOP("ConcordanceModel", "Вхождение"),
                                            QT_TRANSLATE_NOOP("ConcordanceModel", "Справа")};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("ConcordanceModel", kCaptions[section])
               : QVariant();
}

QString ConcordanceModel::wideContext(int row, std::size_t width) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const auto line = kwicLine(*source_, spans_[static_cast<std::size_t>(row)], width);
    return QStringLiteral("<p>%1<span style=\"background:%2\"><b>%3</b></span>%4</p>")
        .arg(utf8(line.left).toHtmlEscaped(), kSpanBackground.name(),
             utf8(line.span).toHtmlEscaped(), utf8(line.right).toHtmlEscaped());
}

std::string ConcordanceModel::tabSeparatedLines() const {
    QStringList captions;
    for (int column = 0; column < ColumnCount; ++column) {
        captions.append(headerData(column, Qt::Horizontal).toString());
    }
    std::string text = captions.join(u'\t').toStdString() + '\n';
    for (const auto& span : spans_) {
        text += tabSeparated(kwicLine(*source_, span, kContextWidth));
        text += '\n';
    }
    return text;
}

}  // namespace undertext::ui
