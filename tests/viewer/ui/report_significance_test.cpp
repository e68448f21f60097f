#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTableView>

#include "common/core/text/codepage.h"
#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance_table.h"
#include "tests/viewer/ui/viewer_windows_test.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::ui {
namespace {

// Four words of a frequency report; the significance file knows three of them,
// with ratios whose order as numbers is not their order as text.
const std::vector<embed::EmbeddedWord> kWords = {{utf8ToCp1251("кот"), 12, 3},
                                                 {utf8ToCp1251("ель"), 9, 3},
                                                 {utf8ToCp1251("ор"), 4, 2},
                                                 {utf8ToCp1251("пёс"), 1, 3}};
const std::vector<embed::SignificanceRow> kSignificance = {
    {utf8ToCp1251("кот"), 12, 1.2, true, 1e-6, 2e-5},
    {utf8ToCp1251("ель"), 9, 12.5, true, 0.04, 0.12},
    {utf8ToCp1251("ор"), 4, 2.0, false, 1, 1}};

class ReportSignificanceTest : public ViewerWindowsTest {
  protected:
    void SetUp() override {
        folder.write("a.txt", utf8ToCp1251("кот ель\r\n"));
        const std::pair<const char*, embed::SortedReport> reports[] = {
            {embed::kByFrequencySuffix, embed::SortedReport::ByFrequency},
            {embed::kByLengthSuffix, embed::SortedReport::ByLength}};
        for (const auto& [suffix, kind] : reports) {
            folder.write(std::string("a.txt") + suffix,
                         embed::sortedReportText(kind, kWords, embed::embedTotals(kWords, 2)));
        }
    }
    ReportViewer* open(const std::string& suffix = embed::kByFrequencySuffix) {
        return embedViewers.open(folder / ("a.txt" + suffix), &mainWindow);
    }
    static QTableView* table(QWidget* viewer) {
        return viewer->findChild<QTableView*>(QStringLiteral("ReportTable"));
    }
    // The column's cells from top to bottom, joined by '|'.
    static QString column(QWidget* viewer, int column) {
        const auto* shown = table(viewer)->model();
        QStringList cells;
        for (int row = 0; row < shown->rowCount(); ++row) {
            cells.append(shown->index(row, column).data().toString());
        }
        return cells.join(u'|');
    }
};

TEST_F(ReportSignificanceTest, TheFrequencyReportTakesTheColumnsAndTheFilter) {
    folder.write("a.txt_EmbSignificance.tsv", embed::significanceTsv(kSignificance));
    auto* viewer = open();
    auto* shown = table(viewer)->model();
    ASSERT_EQ(shown->columnCount(), 6);
    QStringList captions;
    for (int section = 0; section < shown->columnCount(); ++section) {
        captions.append(shown->headerData(section, Qt::Horizontal).toString());
    }
    EXPECT_EQ(captions.join(u'|'), QStringLiteral("Слово|Кол-во|Длина|Ожидается|Отношение|q"));
    EXPECT_EQ(column(viewer, 0), QStringLiteral("кот|ель|ор|пёс"));
    EXPECT_EQ(column(viewer, 3), QStringLiteral("1.2|12.5|2|"));
    EXPECT_EQ(column(viewer, 4), QStringLiteral("10|0.72|2|"));
    EXPECT_EQ(column(viewer, 5), QStringLiteral("2.00e-05|1.20e-01|-|"));

    // Numbers sort as numbers; a word without a value goes last either way.
    const struct {
        int column;
        Qt::SortOrder order;
        const char* words;
    } sorts[] = {
        {3, Qt::AscendingOrder, "кот|ор|ель|пёс"},  {1, Qt::AscendingOrder, "пёс|ор|ель|кот"},
        {4, Qt::DescendingOrder, "кот|ор|ель|пёс"}, {4, Qt::AscendingOrder, "ель|ор|кот|пёс"},
        {5, Qt::AscendingOrder, "кот|ель|ор|пёс"},  {5, Qt::DescendingOrder, "ель|кот|ор|пёс"}};
    for (const auto& sort : sorts) {
        table(viewer)->sortByColumn(sort.column, sort.order);
        EXPECT_EQ(column(viewer, 0), QString::fromUtf8(sort.words)) << sort.column;
    }

    auto* nonRandom = viewer->findChild<QCheckBox*>(QStringLiteral("OnlyNonRandom"));
    ASSERT_NE(nonRandom, nullptr);
    EXPECT_EQ(nonRandom->text(), QStringLiteral("Только неслучайные (q < 0,05)"));
    EXPECT_FALSE(nonRandom->isChecked());
    nonRandom->setChecked(true);
    EXPECT_EQ(column(viewer, 0), QStringLiteral("кот"));
    EXPECT_EQ(viewer->findChild<QLabel*>(QStringLiteral("RowCount"))->text(),
              QStringLiteral("Строк: 1"));
    nonRandom->setChecked(false);
    EXPECT_EQ(shown->rowCount(), 4);
}

// Only the frequency report of a text with a readable file changes; a file that
// does not read leaves the table as it was and says why.
TEST_F(ReportSignificanceTest, WithoutAReadableFileTheTableIsAsEver) {
    const struct {
        const char* what;
        std::optional<std::string> file;
        std::string report;
        QString note;  // empty: none
    } cases[] = {
        {"no file", std::nullopt, embed::kByFrequencySuffix, {}},
        {"another report", embed::significanceTsv(kSignificance), embed::kByLengthSuffix, {}},
        {"a broken file", embed::significanceTsv(kSignificance).substr(0, 60) + "\tлишнее\n",
         embed::kByFrequencySuffix,
         QStringLiteral("Значимость не показана: файл повреждён (строка 2).")},
        {"no header", "кот\t12\t1.2\t10\t9.859\t1.00e-06\t2.00e-05\n", embed::kByFrequencySuffix,
         QStringLiteral("Значимость не показана: файл повреждён (строка 1).")},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder / "a.txt_EmbSignificance.tsv");
        if (c.file) {
            folder.write("a.txt_EmbSignificance.tsv", *c.file);
        }
        auto* viewer = open(c.report);
        EXPECT_EQ(table(viewer)->model()->columnCount(), 3) << c.what;
        EXPECT_EQ(table(viewer)->model()->rowCount(), 4) << c.what;
        EXPECT_EQ(viewer->findChild<QCheckBox*>(QStringLiteral("OnlyNonRandom")), nullptr)
            << c.what;
        auto* note = viewer->findChild<QLabel*>(QStringLiteral("SignificanceNote"));
        EXPECT_EQ(note == nullptr ? QString() : note->text(), c.note) << c.what;
        if (note != nullptr) {
            EXPECT_EQ(note->toolTip(),
                      QString::fromStdString((folder / "a.txt_EmbSignificance.tsv").string()));
        }
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace undertext::ui
