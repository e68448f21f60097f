#include "viewer/ui/summary_viewer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QThreadPool>

#include "common/core/text/codepage.h"
#include "corpus/core/embed_summary.h"
#include "tests/viewer/ui/viewer_windows_test.h"
#include "viewer/ui/per_text_chart.h"

namespace undertext::ui {
namespace {

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The texts Echoscan's finder maker was asked to index, in UTF-8, in the order
// made. While `holding`, making the finder of the text `held` (Windows-1251) waits;
// `waits` counts how often it began to.
struct MadeFinders {
    std::mutex mutex;
    std::vector<std::string> texts;
    std::string held;
    std::atomic<bool> holding = false;
    std::atomic<int> waits = 0;

    std::vector<std::string> sorted() {
        const std::lock_guard lock(mutex);
        auto copy = texts;
        std::ranges::sort(copy);
        return copy;
    }
};

OccurrenceFinderMaker recordingMaker(const std::shared_ptr<MadeFinders>& made) {
    return [made, makeFinder = echoscan::echoscanReportProgram([] {
                                   return Language::Russian;
                               }).makeFinder](std::string_view text, Language language) {
        if (text == made->held && made->holding) {
            ++made->waits;
        }
        for (int waited = 0; text == made->held && made->holding && waited < 30000; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        {
            const std::lock_guard lock(made->mutex);
            made->texts.push_back(cp1251ToUtf8(text));
        }
        return makeFinder(text, language);
    };
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
    // Chooses the row once the texts are measured, and waits while its texts are prepared.
    static void choose(SummaryViewer* viewer, int row) {
        EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
        viewer->chooseRow(row);
        EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
    }
    // Three texts and the fragments they share, none at a text's end: мама (a, c),
    // папа (b, c), мыл (a, b).
    void writeThreeTexts() {
        folder.write("a.txt", utf8ToCp1251("Мама мыла раму.\r\n"));
        folder.write("b.txt", utf8ToCp1251("Папа мыл окно.\r\n"));
        folder.write("c.txt", utf8ToCp1251("Мама и папа спят.\r\n"));
        folder.write("three.tsv",
                     "fragment\ttotal\ttexts\tlength\texpected\tratio\tq\n"
                     "мама\t2\t2\t4\t0.5\t4\t1.00e-03\n"
                     "папа\t2\t2\t4\t0.5\t4\t1.00e-03\n"
                     "мыл\t2\t2\t3\t0.5\t4\t1.00e-03\n");
        folder.write("three.by-text.tsv",
                     "text\tfragment\tcount\tfirst_position\n"
                     "a.txt\tмама\t1\t1\na.txt\tмыл\t1\t6\n"
                     "b.txt\tпапа\t1\t1\nb.txt\tмыл\t1\t6\n"
                     "c.txt\tмама\t1\t1\nc.txt\tпапа\t1\t8\n");
    }
    SummaryViewer* openWith(const char* name, const std::shared_ptr<MadeFinders>& made) {
        auto* viewer = new SummaryViewer(folder / name, recordingMaker(made), dialogs, start.path(),
                                         &mainWindow);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        return viewer;
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
// The eight columns of a summary with significance fit a window of 800 by 600,
// each figure's column wide enough for a q-value, the word's taking the rest,
// which is wider still.
TEST_F(SummaryViewerTest, EveryColumnOfASignificanceSummaryFitsASmallWindow) {
    folder.write("sig.tsv",
                 "word\ttotal\ttexts\tper_million\tdp\texpected\tratio\tq\n"
                 "кот\t5\t2\t125000.00\t0.150\t0.5\t10\t-\n"
                 "котел\t2\t1\t50000.00\t0.750\t0.01\t200\t1.23e-04\n");
    folder.write("sig.by-text.tsv", "text\tword\tcount\n");
    auto* viewer = embedViewers.openSummary(folder / "sig.tsv", &mainWindow);
    viewer->resize(800, 600);
    viewer->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    const auto* view = part<QTableView>(viewer, "SummaryTable");
    const auto* header = view->horizontalHeader();
    ASSERT_EQ(header->count(), 8);
    const int figure = view->fontMetrics().horizontalAdvance(QStringLiteral("1.23e-04"));
    int width = 0;
    for (int column = 0; column < header->count(); ++column) {
        width += header->sectionSize(column);
        EXPECT_GT(header->sectionSize(column), figure) << column;
    }
    EXPECT_LE(width, view->viewport()->width());

    EXPECT_GT(header->sectionSize(0),
              view->fontMetrics().horizontalAdvance(QStringLiteral("котел")));
}

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

TEST_F(SummaryViewerTest, OnlyTheChosenRowsTextsArePreparedAndTheLastOnesKept) {
    writeThreeTexts();
    const auto made = std::make_shared<MadeFinders>();
    auto* viewer = openWith("three.tsv", made);
    EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
    EXPECT_TRUE(made->sorted().empty());

    choose(viewer, 0);
    EXPECT_EQ(made->sorted(),
              (std::vector<std::string>{"Мама и папа спят.\r\n", "Мама мыла раму.\r\n"}));
    EXPECT_EQ(cells(viewer, "Concordance"),
              QStringLiteral("a.txt|1||Мама| мыла раму. /c.txt|1||Мама| и папа спят. "));

    // мыл: a.txt is at hand, b.txt alone is prepared.
    choose(viewer, 2);
    EXPECT_EQ(made->sorted().size(), 3u);
    EXPECT_EQ(cells(viewer, "Concordance"),
              QStringLiteral("a.txt|6|Мама |мыл|а раму. /b.txt|6|Папа |мыл| окно. "));

    // Every text at hand: shown at once.
    viewer->chooseRow(1);
    EXPECT_FALSE(viewer->isReadingTexts());
    EXPECT_TRUE(part<QLabel>(viewer, "ConcordanceWaiting")->isHidden());
    EXPECT_EQ(cells(viewer, "Concordance"),
              QStringLiteral("b.txt|1||Папа| мыл окно. /c.txt|8|Мама и |папа| спят. "));
    EXPECT_EQ(made->sorted().size(), 3u);
    viewer->close();
}

// More texts than are kept: the first prepared is the first dropped. No tree ends
// its text.
TEST_F(SummaryViewerTest, PreparedTextsKeptAreBounded) {
    const char* trees[] = {"ель",   "дуб",   "клён", "липа", "ива",
                           "сосна", "ольха", "бук",  "тис",  "кедр"};
    static_assert(std::size(trees) > SummaryViewer::kPreparedTextsKept);
    std::string summary =
        "fragment\ttotal\ttexts\tlength\texpected\tratio\tq\n"
        "слово\t10\t10\t5\t1\t10\t1.00e-03\n"
        "ель\t1\t1\t3\t1\t1\t1.00e-01\n"
        "кедр\t1\t1\t4\t1\t1\t1.00e-01\n";
    std::string byText = "text\tfragment\tcount\tfirst_position\n";
    for (std::size_t text = 0; text < std::size(trees); ++text) {
        const auto name = "t" + std::to_string(text) + ".txt";
        folder.write(name, utf8ToCp1251("Слово " + std::string(trees[text]) + " тут.\r\n"));
        byText += name + "\tслово\t1\t1\n" + name + "\t" + trees[text] + "\t1\t7\n";
    }
    folder.write("trees.tsv", summary);
    folder.write("trees.by-text.tsv", byText);
    const auto made = std::make_shared<MadeFinders>();
    auto* viewer = openWith("trees.tsv", made);
    choose(viewer, 0);
    EXPECT_EQ(part<QTableView>(viewer, "Concordance")->model()->rowCount(), 10);
    EXPECT_EQ(made->sorted().size(), 10u);
    choose(viewer, 2);
    EXPECT_EQ(cells(viewer, "Concordance"), QStringLiteral("t9.txt|7|Слово |кедр| тут. "));
    EXPECT_EQ(made->sorted().size(), 10u);
    choose(viewer, 1);
    EXPECT_EQ(cells(viewer, "Concordance"), QStringLiteral("t0.txt|7|Слово |ель| тут. "));
    EXPECT_EQ(made->sorted().size(), 11u);
    viewer->close();
}

// A row chosen while another's texts are prepared: the newest row is shown, the
// earlier search stops at its next text, and closing the window meanwhile is safe.
TEST_F(SummaryViewerTest, QuickRowChangesEndOnTheNewestRow) {
    // One task waits on a.txt while the next runs.
    QThreadPool::globalInstance()->setMaxThreadCount(
        std::max(2, QThreadPool::globalInstance()->maxThreadCount()));
    writeThreeTexts();
    const auto made = std::make_shared<MadeFinders>();
    made->held = utf8ToCp1251("Мама мыла раму.\r\n");
    made->holding = true;
    auto* viewer = openWith("three.tsv", made);
    EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
    viewer->chooseRow(0);  // мама: waits on a.txt, then would prepare c.txt
    EXPECT_TRUE(QTest::qWaitFor([&made] { return made->waits == 1; }, 30000));
    EXPECT_TRUE(viewer->isReadingTexts());
    EXPECT_FALSE(part<QLabel>(viewer, "ConcordanceWaiting")->isHidden());
    EXPECT_EQ(part<QTableView>(viewer, "Concordance")->model()->rowCount(), 0);
    viewer->chooseRow(1);  // папа: b.txt and c.txt
    EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isReadingTexts(); }, 30000));
    const auto papa = QStringLiteral("b.txt|1||Папа| мыл окно. /c.txt|8|Мама и |папа| спят. ");
    EXPECT_EQ(cells(viewer, "Concordance"), papa);
    EXPECT_TRUE(part<QLabel>(viewer, "ConcordanceWaiting")->isHidden());
    made->holding = false;
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(cells(viewer, "Concordance"), papa);

    made->holding = true;
    viewer->chooseRow(2);  // мыл: waits on a.txt again; the window closes meanwhile
    EXPECT_TRUE(QTest::qWaitFor([&made] { return made->waits == 2; }, 30000));
    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    made->holding = false;
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    const auto texts = made->sorted();
    EXPECT_EQ(std::ranges::count(texts, "Мама и папа спят.\r\n"), 1)
        << "the first search went on after a.txt";
    EXPECT_EQ(texts.size(), 4u);  // b, c; a twice
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
