#include "viewer/ui/concordance_model.h"

#include <gtest/gtest.h>

#include <utility>

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

#include "common/core/text/codepage.h"
#include "testing/support/qt_application.h"

namespace undertext::ui {
namespace {

bool boldAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);  // the format of the character before
    return cursor.charFormat().fontWeight() == QFont::Bold;
}

// The wide context is rich text: the source must read as it stands, markup and
// entities included, with only the span in bold.
TEST(ConcordanceModel, TheWideContextShowsMarkupCharactersAsText) {
    const auto source =
        decodeText(utf8ToCp1251("if a<b && c&lt;d <b>кот</b>"), TextEncoding::Windows1251);
    ConcordanceModel model;
    model.show(&source, {{20, 23}});  // кот
    const struct {
        std::size_t width;
        const char* shown;
        int span;  // where the span starts in what is shown
    } cases[] = {
        {300, "if a<b && c&lt;d <b>кот</b>", 20},
        {3, "<b>кот</b", 3},
    };
    for (const auto& c : cases) {
        QTextDocument shown;
        shown.setHtml(model.wideContext(0, c.width));
        EXPECT_EQ(shown.toPlainText(), QString::fromUtf8(c.shown)) << c.width;
        EXPECT_FALSE(boldAt(shown, c.span - 1)) << c.width;
        EXPECT_TRUE(boldAt(shown, c.span) && boldAt(shown, c.span + 2)) << c.width;
        EXPECT_FALSE(boldAt(shown, c.span + 3)) << c.width;
    }
    EXPECT_EQ(model.wideContext(1, 300), QString());  // no such row
}

// The contexts lean towards the span so that the spans of every line stand in
// one column; the position leans right like a number.
TEST(ConcordanceModel, ContextsLeanTowardsTheSpan) {
    const auto source = decodeText(utf8ToCp1251("мама мыла раму"), TextEncoding::Windows1251);
    ConcordanceModel model;
    model.show(&source, {{5, 9}});  // мыла
    const std::pair<int, Qt::Alignment> cases[] = {{ConcordanceModel::Position, Qt::AlignRight},
                                                   {ConcordanceModel::Left, Qt::AlignRight},
                                                   {ConcordanceModel::Span, Qt::AlignLeft},
                                                   {ConcordanceModel::Right, Qt::AlignLeft}};
    for (const auto& [column, alignment] : cases) {
        const auto shown =
            model.index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(shown, Qt::AlignVCenter | alignment) << column;
    }
}

}  // namespace
}  // namespace undertext::ui
