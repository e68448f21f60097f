#include "viewer/ui/summary_viewer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "common/core/text/codepage.h"
#include "corpus/core/embed_summary.h"
#include "tests/viewer/ui/viewer_windows_test.h"
#include "viewer/ui/per_text_chart.h"

namespace undertext::ui {
namespace {

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class SummaryViewerTest : public ViewerWindowsTest {
  protected:
    // Two texts' words as a corpus run sums them; b.txt is not beside the summary.
    void writeEmbedSummary() {
        folder.write("a.txt", utf8ToCp1251("Кот и кот, ель.\r\n"));  // 10 letters
        corpus::EmbedSummary summary;
        summary.add(0, {"a.txt", 10, {{utf8ToCp1251("кот"), 2, 3}, {utf8ToCp1251("ель"), 12, 3}}});
        summary.add(1, {"b.txt", 30, {{utf8ToCp1251("кот"), 3, 3}}});
        ASSERT_TRUE(summary.write(folder / "corpus.tsv"));
    }
    static void choose(SummaryViewer* viewer, int row) {
        EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
        viewer->chooseRow(row);
    }
    // The view's rows, each its cells joined by '|', the rows by '/'.
    static QString cells(QWidget* viewer, const char* name) {
        const auto* model = part<QTableView>(viewer, name)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList line;
            for (int column = 0; column < model->columnCount(); ++column) {
                line.append(model->index(row, column).data().toString());
            }
            rows.append(line.join(u'|'));
        }
        return rows.join(u'/');
    }
    static QString note(QWidget* viewer) { return part<QLabel>(viewer, "ConcordanceNote")->text(); }
};

TEST_F(SummaryViewerTest, AWordsRowIsChartedPerMillionLettersOfEachText) {
    writeEmbedSummary();
    EXPECT_TRUE(ReportViewers::isSummary(folder / "corpus.tsv"));
    auto* viewer = embedViewers.openSummary(folder / "corpus.tsv", &mainWindow);
    EXPECT_EQ(embedViewers.openSummary(folder / "corpus.tsv", &mainWindow), viewer);
    const auto* table = part<QTableView>(viewer, "SummaryTable")->model();
    QStringList captions;
    for (int column = 0; column < table->columnCount(); ++column) {
        captions.append(table->headerData(column, Qt::Horizontal).toString());
    }
    EXPECT_EQ(captions.join(u'|'), QStringLiteral("Слово|Всего|Текстов|На миллион букв|DP"));
    EXPECT_EQ(cells(viewer, "SummaryTable"),
              QStringLiteral("ель|12|1|300000.00|0.750/кот|5|2|125000.00|0.150"));
    EXPECT_EQ(viewer->findChild<QCheckBox*>(QStringLiteral("OnlyNonRandom")), nullptr);

    // Totals sort as numbers (5 before 12), and the filter keeps matching rows.
    part<QTableView>(viewer, "SummaryTable")->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(table->index(0, 0).data().toString(), QStringLiteral("кот"));
    part<QLineEdit>(viewer, "FilterBox")->setText(QStringLiteral("ЕЛ"));
    EXPECT_EQ(part<QLabel>(viewer, "RowCount")->text(), QStringLiteral("Строк: 1"));
    part<QLineEdit>(viewer, "FilterBox")->clear();

    // a.txt has 10 letters; b.txt cannot be found, so its bar is its bare count.
    choose(viewer, 0);
    auto* chart = part<PerTextChart>(viewer, "PerTextChart");
    ASSERT_EQ(chart->bars().size(), 2u);
    EXPECT_EQ(chart->bars()[0].text, QStringLiteral("a.txt"));
    EXPECT_DOUBLE_EQ(chart->bars()[0].value, 2e6 / 10);
    EXPECT_TRUE(chart->bars()[0].perMillion);
    EXPECT_DOUBLE_EQ(chart->bars()[1].value, 3);
    EXPECT_FALSE(chart->bars()[1].perMillion);
    EXPECT_EQ(chart->caption(),
              QStringLiteral("На миллион букв текста; текстов: 2; не прочитано 1: для них число "
                             "вхождений (штриховка)"));
    EXPECT_EQ(note(viewer), QStringLiteral("«кот»: в текстах 2 из 2."));
    EXPECT_TRUE(part<QTableView>(viewer, "Concordance")->isHidden());

    // A word in one text has a zero bar in the other.
    choose(viewer, 1);
    EXPECT_EQ(chart->bars()[1].value, 0.0);
    EXPECT_EQ(note(viewer), QStringLiteral("«ель»: в текстах 1 из 2."));

    for (const char* name : {"p.png", "p.svg"}) {
        dialogs.queueFile(pathText(folder / name));
        QTest::mouseClick(part<QWidget>(viewer, "SavePlot"), Qt::LeftButton);
    }
    EXPECT_EQ(dialogs.saveRequests().front().proposedName, QStringLiteral("ель.png"));
    EXPECT_FALSE(QImage(pathText(folder / "p.png")).isNull());
    EXPECT_NE(folder.read("p.svg").find(">«ель»</text>"), std::string::npos);
    dialogs.queueFile(pathText(folder / "t.csv"));
    QTest::mouseClick(part<QWidget>(viewer, "ExportTable"), Qt::LeftButton);
    EXPECT_EQ(dialogs.saveRequests().back().proposedName, QStringLiteral("corpus.csv"));
    const auto csv = folder.read("t.csv");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "\xEF\xBB\xBF"
              "Слово,Всего,Текстов,На миллион букв,DP");
}

// Fragments shared across texts: every occurrence in every text, the first of each
// where the by-text file puts it.
TEST_F(SummaryViewerTest, AnAcrossTextsRowShowsItsOccurrencesInEachText) {
    folder.write("a.txt", utf8ToCp1251("Мама мыла раму, мама мыла раму.\r\n"));
    folder.write("b.txt", utf8ToCp1251("Вот мама мыла окно.\r\n"));
    folder.write("across.tsv",
                 "fragment\ttotal\ttexts\tlength\texpected\tratio\tq\n"
                 "мама мыла\t3\t2\t9\t0.5\t6\t1.00e-03\n"
                 "ма\t4\t2\t2\t3\t1.333\t2.00e-01\n");
    folder.write("across.by-text.tsv",
                 "text\tfragment\tcount\tfirst_position\n"
                 "a.txt\tмама мыла\t2\t1\n"
                 "a.txt\tма\t2\t1\n"
                 "b.txt\tмама мыла\t1\t5\n"
                 "b.txt\tма\t2\t5\n");
    auto* viewer = echoscanViewers.openSummary(folder / "across.tsv", &mainWindow);
    choose(viewer, 0);
    EXPECT_FALSE(part<QTableView>(viewer, "Concordance")->isHidden());
    EXPECT_EQ(cells(viewer, "Concordance"),
              QStringLiteral("a.txt|1||Мама мыла| раму, мама мыла раму. /"
                             "a.txt|17|Мама мыла раму, |мама мыла| раму. /"
                             "b.txt|5|Вот |мама мыла| окно. "));

    auto* nonRandom = part<QCheckBox>(viewer, "OnlyNonRandom");
    nonRandom->setChecked(true);
    EXPECT_EQ(part<QTableView>(viewer, "SummaryTable")->model()->rowCount(), 1);

    // The program of words finds no fragments: the chart, but no occurrences.
    auto* words = embedViewers.openSummary(folder / "across.tsv", &mainWindow);
    choose(words, 0);
    EXPECT_EQ(part<QTableView>(words, "Concordance")->model()->rowCount(), 0);
    EXPECT_EQ(part<PerTextChart>(words, "PerTextChart")->bars().size(), 2u);
}

TEST_F(SummaryViewerTest, FilesThatDoNotReadAreNamed) {
    writeEmbedSummary();
    const std::string byText = folder.read("corpus.by-text.tsv");
    const struct {
        const char* what;
        std::string summary;
        std::optional<std::string> byText;
        int rows;
        QString unreadable;  // the window's line above the table; empty: none
        QString note;
    } cases[] = {
        {"no by-text file",
         folder.read("corpus.tsv"),
         std::nullopt,
         2,
         {},
         QStringLiteral("Файл corpus.by-text.tsv не прочитан: распределения по текстам нет.")},
        {"a broken by-text file",
         folder.read("corpus.tsv"),
         byText + "a.txt\tкот\n",
         2,
         {},
         QStringLiteral(
             "Файл corpus.by-text.tsv не читается (строка 5): распределения по текстам нет.")},
        {"a broken summary", "word\ttotal\nкот\t5\n", byText, 0,
         QStringLiteral("Файл corpus.tsv не читается как сводка (строка 1)."),
         QStringLiteral("Выберите строку таблицы.")},
    };
    for (const auto& c : cases) {
        folder.write("corpus.tsv", c.summary);
        std::filesystem::remove(folder / "corpus.by-text.tsv");
        if (c.byText) {
            folder.write("corpus.by-text.tsv", *c.byText);
        }
        auto* viewer = embedViewers.openSummary(folder / "corpus.tsv", &mainWindow);
        EXPECT_EQ(part<QTableView>(viewer, "SummaryTable")->model()->rowCount(), c.rows) << c.what;
        auto* unreadable = viewer->findChild<QLabel*>(QStringLiteral("SummaryUnreadable"));
        EXPECT_EQ(unreadable == nullptr ? QString() : unreadable->text(), c.unreadable) << c.what;
        choose(viewer, 0);
        EXPECT_EQ(note(viewer), c.note) << c.what;
        EXPECT_TRUE(part<PerTextChart>(viewer, "PerTextChart")->bars().empty()) << c.what;
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_FALSE(ReportViewers::isSummary(folder / "corpus.tsv"));
    EXPECT_FALSE(ReportViewers::isSummary(folder / "a.txt"));
    EXPECT_FALSE(ReportViewers::isSummary(folder / "no such file"));
}

}  // namespace
}  // namespace undertext::ui
