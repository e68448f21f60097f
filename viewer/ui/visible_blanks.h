#pragma once

#include <QList>
#include <QString>
#include <QStyledItemDelegate>

class QColor;
class QFontMetrics;
class QPainter;
class QRect;

namespace undertext::ui {

// Blanks made visible: Echoscan's fragments may differ only by a blank at either
// end, so where the viewer shows a word or fragment each blank is drawn as an open
// box (␣) and each tab as an arrow, in a colour of their own. Only the drawing
// changes: models, filters, copies and exports keep the plain text.

// The colour of the marks on an unselected row.
QColor blankMarkColor();

// Text to draw, some of whose characters are marks standing for blanks.
class MarkedText {
  public:
    // Appends plain, its blanks and tabs turned into marks when markBlanks is set.
    MarkedText& append(const QString& plain, bool markBlanks);
    MarkedText& append(const MarkedText& other);

    const QString& text() const { return text_; }
    bool isMark(int position) const { return marks_.contains(position); }
    // The text cut on the right with an ellipsis so that it fits width; marks kept.
    MarkedText elided(const QFontMetrics& metrics, int width) const;
    // Draws the text on one line in rect, vertically centred and aligned
    // horizontally as alignment says, in the painter's font and pen, its marks in
    // markColor.
    void draw(QPainter& painter, const QRect& rect, Qt::Alignment alignment,
              const QColor& markColor) const;

  private:
    QString text_;
    QList<int> marks_;  // positions in text_, ascending
};

// Draws the cells of a column of words or fragments with their blanks made visible,
// cut on the right with an ellipsis when too long.
class VisibleBlanksDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace undertext::ui
