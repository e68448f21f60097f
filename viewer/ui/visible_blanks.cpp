#include "viewer/ui/visible_blanks.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace undertext::ui {
namespace {

constexpr QChar kBlankMark = u'\u2423';  // open box
constexpr QChar kTabMark = u'\u2192';    // rightwards arrow
constexpr QChar kEllipsis = u'\u2026';

// A colour halfway between two, for marks on a selected row.
QColor between(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

}  // namespace

QColor blankMarkColor() {
    return {230, 120, 30};
}

MarkedText& MarkedText::append(const QString& plain, bool markBlanks) {
    for (const QChar character : plain) {
        const bool blank = character == u' ';
        const bool tab = character == u'\t';
        if (markBlanks && (blank || tab)) {
            marks_.append(static_cast<int>(text_.size()));
            text_.append(blank ? kBlankMark : kTabMark);
        } else {
            text_.append(character);
        }
    }
    return *this;
}

MarkedText& MarkedText::append(const MarkedText& other) {
    for (const int mark : other.marks_) {
        marks_.append(static_cast<int>(text_.size()) + mark);
    }
    text_.append(other.text_);
    return *this;
}

MarkedText MarkedText::elided(const QFontMetrics& metrics, int width) const {
    if (metrics.horizontalAdvance(text_) <= width) {
        return *this;
    }
    // The longest start that fits with the ellipsis, found by halving.
    qsizetype fits = 0;
    qsizetype tooLong = text_.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (metrics.horizontalAdvance(text_.left(middle) + kEllipsis) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    if (fits > 0 && text_[fits - 1].isHighSurrogate()) {
        --fits;
    }
    MarkedText cut;
    cut.text_ = text_.left(fits) + kEllipsis;
    for (const int mark : marks_) {
        if (mark < fits) {
            cut.marks_.append(mark);
        }
    }
    return cut;
}

void MarkedText::draw(QPainter& painter, const QRect& rect, Qt::Alignment alignment,
                      const QColor& markColor) const {
    QTextLayout layout(text_, painter.font());
    QList<QTextLayout::FormatRange> marked;
    for (const int mark : marks_) {
        if (!marked.isEmpty() && marked.back().start + marked.back().length == mark) {
            ++marked.back().length;
            continue;
        }
        QTextLayout::FormatRange range;
        range.start = mark;
        range.length = 1;
        range.format.setForeground(markColor);
        marked.append(range);
    }
    layout.setFormats(marked);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return;
    }
    qreal x = rect.left();
    if (alignment & Qt::AlignRight) {
        x = rect.right() + 1 - line.naturalTextWidth();
    } else if (alignment & Qt::AlignHCenter) {
        x = rect.left() + (rect.width() - line.naturalTextWidth()) / 2;
    }
    const qreal y = rect.top() + (rect.height() - line.height()) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    layout.draw(&painter, QPointF(x, y));
    painter.restore();
}

void VisibleBlanksDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The style places the text with its marks and draws the cell without it; the
    // text is drawn here, within the style's margins.
    const MarkedText shown = MarkedText().append(item.text, true);
    item.text = shown.text();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const auto group =
        item.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    const QColor text =
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(text);
    shown.elided(item.fontMetrics, textRect.width())
        .draw(*painter, textRect, item.displayAlignment,
              selected ? between(text, item.palette.color(group, QPalette::Highlight))
                       : blankMarkColor());
    painter->restore();
}

}  // namespace undertext::ui
