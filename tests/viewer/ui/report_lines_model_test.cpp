#include "viewer/ui/report_lines_model.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"
#include "testing/support/qt_application.h"
#include "testing/support/source_encodings.h"
#include "testing/support/temp_folder.h"

namespace undertext::ui {
namespace {

QStringList allLines(const ReportLinesModel& model) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        lines.append(model.index(row).data().toString());
    }
    return lines;
}

// Each case in every encoding a report is written in.
TEST(ReportLinesModel, ShowsEveryLineDecodedWhateverItsEndAndEncoding) {
    testing::TempFolder folder;
    // Lines past several marks of sixteen, so that a line is found from the mark before it.
    std::string many;
    QStringList manyLines;
    for (int line = 0; line < 50; ++line) {
        many += utf8ToCp1251("строка ") + std::to_string(line) + (line % 2 ? "\r\n" : "\n");
        manyLines.append(QStringLiteral("строка %1").arg(line));
    }
    const struct {
        const char* name;
        std::string bytes;
        QStringList lines;
    } cases[] = {
        {"empty", "", {}},
        {"no final line end",
         utf8ToCp1251("кот\r\nпёс"),
         {QStringLiteral("кот"), QStringLiteral("пёс")}},
        {"blank lines", "\r\n\r\n", {QString(), QString()}},
        {"a lone CR stays in its line", "a\rb\n", {QStringLiteral("a\rb")}},
        {"many lines", many, manyLines},
        // U+040A holds the byte of a line feed in UTF-16.
        {"no false line feeds",
         utf8ToCp1251("Њ\r\nЊа"),
         {QStringLiteral("Њ"), QStringLiteral("Ња")}},
        {"a long line is cut",
         std::string(5000, 'x') + "\n",
         {QString(ReportLinesModel::kShownLineLength, u'x') + QStringLiteral(" …")}},
    };
    for (const auto& encoding : testing::kSelfEvidentEncodings) {
        for (const auto& c : cases) {
            const auto path = folder.write("r.txt", TextEncoder(encoding).encodeFile(c.bytes));
            const ReportLinesModel model(QString::fromStdString(path.string()));
            const auto name = describeEncoding(encoding) + ": " + c.name;
            EXPECT_TRUE(model.isOpen()) << name;
            EXPECT_EQ(allLines(model), c.lines) << name;
            EXPECT_EQ(model.index(model.rowCount()).data(), QVariant()) << name;
        }
    }

    const ReportLinesModel missing(QString::fromStdString((folder / "none.txt").string()));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.rowCount(), 0);
    EXPECT_EQ(missing.find(QStringLiteral("x"), 0), -1);
}

TEST(ReportLinesModel, FindGoesForwardRoundTheEndIgnoringCase) {
    testing::TempFolder folder;
    const auto path = folder.write("r.txt", utf8ToCp1251("Кот\r\nпёс\r\nскот\r\n"));
    const ReportLinesModel model(QString::fromStdString(path.string()));
    EXPECT_EQ(model.find(QStringLiteral("кот"), 0), 0);
    EXPECT_EQ(model.find(QStringLiteral("кот"), 1), 2);
    EXPECT_EQ(model.find(QStringLiteral("КОТ"), 3), 0);
    EXPECT_EQ(model.find(QStringLiteral("ёж"), 0), -1);
    EXPECT_EQ(model.find(QString(), 0), -1);
}

}  // namespace
}  // namespace undertext::ui
