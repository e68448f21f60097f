#include "viewer/ui/visible_blanks.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>

#include "testing/support/blank_marks.h"
#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

// The positions of the marks in what is shown.
QList<int> marksOf(const MarkedText& shown) {
    QList<int> marks;
    for (int position = 0; position < shown.text().size(); ++position) {
        if (shown.isMark(position)) {
            marks.append(position);
        }
    }
    return marks;
}

TEST(VisibleBlanks, BlanksAndTabsBecomeMarksOnlyWhereAsked) {
    const struct {
        QString plain;
        QString shown;
        QList<int> marks;
    } cases[] = {
        {QStringLiteral("на"), QStringLiteral("на"), {}},
        {QStringLiteral(" на"), QStringLiteral("␣на"), {0}},
        {QStringLiteral("на "), QStringLiteral("на␣"), {2}},
        {QStringLiteral("мама  мыла"), QStringLiteral("мама␣␣мыла"), {4, 5}},
        {QStringLiteral("a\tb"), QStringLiteral("a→b"), {1}},
        // a mark's sign in the text itself is no mark
        {QStringLiteral("a␣b c"), QStringLiteral("a␣b␣c"), {3}},
    };
    for (const auto& c : cases) {
        const auto shown = MarkedText().append(c.plain, true);
        EXPECT_EQ(shown.text(), c.shown) << c.plain.toStdString();
        EXPECT_EQ(marksOf(shown), c.marks) << c.plain.toStdString();
    }
    const auto caption = MarkedText()
                             .append(QStringLiteral("« "), false)
                             .append(MarkedText().append(QStringLiteral(" на "), true))
                             .append(QStringLiteral("» 2"), false);
    EXPECT_EQ(caption.text(), QStringLiteral("« ␣на␣» 2"));
    EXPECT_EQ(marksOf(caption), (QList<int>{2, 5}));
}

TEST(VisibleBlanks, ATextTooWideIsCutWithAnEllipsisAndKeepsItsMarks) {
    const QFontMetrics metrics{QFont()};
    const auto shown = MarkedText().append(QStringLiteral(" мама мыла раму мама мыла раму"), true);
    const int whole = metrics.horizontalAdvance(shown.text());
    EXPECT_EQ(shown.elided(metrics, whole).text(), shown.text());
    for (const int width :
         {whole - 1, whole / 2, metrics.horizontalAdvance(QStringLiteral("␣м…"))}) {
        const auto cut = shown.elided(metrics, width);
        EXPECT_LE(metrics.horizontalAdvance(cut.text()), width) << width;
        EXPECT_TRUE(cut.text().endsWith(u'…')) << width;
        EXPECT_TRUE(shown.text().startsWith(cut.text().chopped(1))) << width;
        const auto marks = marksOf(cut);
        EXPECT_EQ(marks, marksOf(shown).mid(0, marks.size())) << width;
        EXPECT_EQ(marks.value(0), 0) << width;
    }
}

// Fragments that differ only by a blank at an end look different, the blank drawn
// in the marks' colour, while the model keeps the plain text.
TEST(VisibleBlanks, TheDelegateDrawsCellsThatDifferOnlyByBlanksDifferently) {
    QStandardItemModel model;
    for (const auto* text : {"на", " на", "на "}) {
        model.appendRow(new QStandardItem(QString::fromUtf8(text)));
    }
    VisibleBlanksDelegate delegate;
    const auto drawn = [&](int row) {
        QImage image(120, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = QStyle::State_Enabled;
        option.palette.setColor(QPalette::Text, Qt::black);
        option.palette.setColor(QPalette::Base, Qt::white);
        delegate.paint(&painter, option, model.index(row, 0));
        painter.end();
        return image;
    };
    const QImage plain = drawn(0);
    EXPECT_EQ(testing::blankMarkPixels(plain), 0);
    for (const int row : {1, 2}) {
        EXPECT_NE(drawn(row), plain) << row;
        EXPECT_GT(testing::blankMarkPixels(drawn(row)), 0) << row;
    }
    EXPECT_NE(drawn(1), drawn(2));
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral(" на"));
}

}  // namespace
}  // namespace undertext::ui
