#include "viewer/ui/report_viewer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QThreadPool>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/ui/echoscan_report_program.h"
#include "embed/core/embed_reports.h"
#include "embed/ui/embed_report_program.h"
#include "testing/support/blank_marks.h"
#include "testing/support/qt_application.h"
#include "testing/support/source_encodings.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"
#include "tests/viewer/ui/viewer_windows_test.h"
#include "viewer/ui/dispersion_plot.h"

namespace undertext::ui {
namespace {

// «скот котел» holds «кот» twice (in «скот» and in «котел») and «ел» once, not
// twice as its row says.
const std::vector<embed::EmbeddedWord> kWords = {
    {utf8ToCp1251("кот"), 2, 3}, {utf8ToCp1251("ел"), 2, 2}, {utf8ToCp1251("пёс"), 3, 3}};

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class ReportViewerTest : public ViewerWindowsTest {
  protected:
    void SetUp() override {
        folder.write("a.txt", utf8ToCp1251("скот котел\r\n"));
        folder.write("a.txt_EmbSortByFriq.txt",
                     embed::sortedReportText(embed::SortedReport::ByFrequency, kWords,
                                             embed::embedTotals(kWords, 2)));
    }
    ReportViewer* openEmbed(const char* name = "a.txt_EmbSortByFriq.txt") {
        return embedViewers.open(folder / name, &mainWindow);
    }
    // An Echoscan report, alphabetical, of the fragments of text that entries give.
    ReportViewer* openFragments(const std::string& text,
                                const std::vector<echoscan::RecurringFragment>& entries) {
        folder.write("f.txt", utf8ToCp1251(text));
        folder.write("f.txt_RecSortByAlf.txt",
                     echoscan::fragmentReportText(echoscan::FragmentReport::Alphabetical,
                                                  utf8ToCp1251(text), entries, 2, 1000, 12));
        return echoscanViewers.open(folder / "f.txt_RecSortByAlf.txt", &mainWindow);
    }
    // Chooses the row and waits while the source is prepared.
    static void choose(ReportViewer* viewer, int row) {
        viewer->chooseRow(row);
        EXPECT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isPreparingSource(); }, 30000));
    }
    static QString note(QWidget* viewer) { return part<QLabel>(viewer, "ConcordanceNote")->text(); }
    static int rows(QWidget* viewer, const char* name) {
        return part<QTableView>(viewer, name)->model()->rowCount();
    }
    static QString cell(QWidget* viewer, const char* name, int row, int column) {
        return part<QTableView>(viewer, name)->model()->index(row, column).data().toString();
    }
    // A row's cells, joined by '|'.
    static QString row(QWidget* viewer, const char* name, int row) {
        QStringList cells;
        for (int column = 0; column < part<QTableView>(viewer, name)->model()->columnCount();
             ++column) {
            cells.append(cell(viewer, name, row, column));
        }
        return cells.join(u'|');
    }
};

TEST_F(ReportViewerTest, EachSortedReportShowsItsRowsAndTheChosenRowsOccurrences) {
    auto* viewer = openEmbed();
    EXPECT_EQ(viewer->parentWidget(), &mainWindow);
    EXPECT_TRUE(viewer->isWindow());
    ASSERT_EQ(rows(viewer, "ReportTable"), 3);
    EXPECT_EQ(row(viewer, "ReportTable", 0), QStringLiteral("кот|2|3"));

    choose(viewer, 0);
    ASSERT_EQ(rows(viewer, "Concordance"), 2);
    EXPECT_EQ(row(viewer, "Concordance", 0), QStringLiteral("2|с|кот| котел "));
    EXPECT_EQ(row(viewer, "Concordance", 1), QStringLiteral("6|скот |кот|ел "));
    auto* plot = part<DispersionPlot>(viewer, "DispersionPlot");
    EXPECT_EQ(plot->ticks(), (std::vector<double>{1.0 / 12, 5.0 / 12}));
    EXPECT_EQ(plot->caption(), QStringLiteral("Вхождений: 2; длина текста: 12 символов"));
    EXPECT_EQ(note(viewer), QStringLiteral("«кот»: вхождений 2."));
    auto* lines = part<QTableView>(viewer, "Concordance");
    emit lines->clicked(lines->model()->index(1, 1));
    EXPECT_EQ(part<QTextEdit>(viewer, "WideContext")->toPlainText(), QStringLiteral("скот котел "));

    choose(viewer, 1);
    EXPECT_EQ(rows(viewer, "Concordance"), 1);
    EXPECT_EQ(note(viewer), QStringLiteral("«ел»: найдено вхождений 1, в отчёте 2: текст, язык или "
                                           "модули могли измениться после отчёта."));

    // A word the text does not hold: no lines, and a line saying so.
    choose(viewer, 2);
    EXPECT_EQ(rows(viewer, "Concordance"), 0);
    EXPECT_TRUE(plot->ticks().empty());
    EXPECT_EQ(note(viewer), QStringLiteral("Это слово в тексте не найдено: строк нет."));

    // Echoscan's fragments, blanks included.
    const std::string fragments = utf8ToCp1251("мама мыла");
    folder.write("b.txt", utf8ToCp1251("Мама мыла раму, мама мыла раму.\r\n"));
    folder.write("b.txt_RecSortByLen.txt",
                 echoscan::fragmentReportText(echoscan::FragmentReport::ByLength, fragments,
                                              {{0, 9, 2}, {0, 4, 2}}, 3, 9, 12));
    auto* echo = echoscanViewers.open(folder / "b.txt_RecSortByLen.txt", &mainWindow);
    ASSERT_EQ(rows(echo, "ReportTable"), 2);
    EXPECT_EQ(row(echo, "ReportTable", 1), QStringLiteral("мама мыла|2|9"));
    choose(echo, 1);
    ASSERT_EQ(rows(echo, "Concordance"), 2);
    EXPECT_EQ(row(echo, "Concordance", 0), QStringLiteral("1||Мама мыла| раму, мама мыла раму. "));
    EXPECT_EQ(row(echo, "Concordance", 1), QStringLiteral("17|Мама мыла раму, |мама мыла| раму. "));
}

// Every sorted report of either program opens with its table of rows, whatever
// the letter case of its name; another report shows its text alone.
TEST_F(ReportViewerTest, EverySortedReportOpensWithItsTable) {
    const auto embedReport = [](embed::SortedReport kind) {
        return embed::sortedReportText(kind, kWords, embed::embedTotals(kWords, 2));
    };
    const std::string fragments = utf8ToCp1251("мама мыла");
    const auto echoscanReport = [&fragments](echoscan::FragmentReport kind) {
        return echoscan::fragmentReportText(kind, fragments, {{0, 9, 2}, {0, 4, 2}}, 3, 9, 12);
    };
    const struct {
        ReportViewers& viewers;
        const char* name;
        std::string content;
        int rows;  // -1: no table
    } cases[] = {
        {embedViewers, "a.txt_EmbSortByFriq.txt", embedReport(embed::SortedReport::ByFrequency), 3},
        {embedViewers, "a.txt_EmbSortByLen.txt", embedReport(embed::SortedReport::ByLength), 3},
        {embedViewers, "a.txt_EmbSortByAlf.txt", embedReport(embed::SortedReport::Alphabetical), 3},
        // as the result list finds it, letter case ignored
        {embedViewers, "A.TXT_EMBSORTBYALF.TXT", embedReport(embed::SortedReport::Alphabetical), 3},
        {echoscanViewers, "a.txt_RecSortByLen.txt",
         echoscanReport(echoscan::FragmentReport::ByLength), 2},
        {echoscanViewers, "a.txt_RecSortByAlf.txt",
         echoscanReport(echoscan::FragmentReport::Alphabetical), 2},
        {echoscanViewers, "a.txt_RecSortByFriq.txt",
         echoscanReport(echoscan::FragmentReport::ByFrequency), 2},
        {echoscanViewers, "a.txt_RecPrep.txt", fragments, -1},
    };
    for (const auto& c : cases) {
        folder.write(c.name, c.content);
        auto* viewer = c.viewers.open(folder / c.name, &mainWindow);
        auto* table = viewer->findChild<QTableView*>(QStringLiteral("ReportTable"));
        EXPECT_EQ(part<QTabWidget>(viewer, "ViewerTabs")->count(), c.rows < 0 ? 1 : 2) << c.name;
        if (c.rows < 0) {
            EXPECT_EQ(table, nullptr) << c.name;
        } else {
            ASSERT_NE(table, nullptr) << c.name;
            EXPECT_EQ(table->model()->rowCount(), c.rows) << c.name;
        }
    }
}

TEST_F(ReportViewerTest, OneWindowPerReportAndEveryReportReadsAsText) {
    folder.write("a.txt_Emb.txt", utf8ToCp1251("скот          кот,\r\nкотел         кот,ел,\r\n"));
    auto* viewer = openEmbed("a.txt_Emb.txt");
    EXPECT_EQ(viewer->findChild<QTableView*>(QStringLiteral("ReportTable")), nullptr);
    auto* lines = part<QListView>(viewer, "ReportLines");
    ASSERT_EQ(lines->model()->rowCount(), 2);
    EXPECT_EQ(lines->model()->index(1, 0).data().toString(),
              QStringLiteral("котел         кот,ел,"));
    EXPECT_EQ(openEmbed("a.txt_Emb.txt"), viewer);
    EXPECT_NE(openEmbed(), viewer);

    // Find goes from line to line, round to the first.
    part<QLineEdit>(viewer, "FindBox")->setText(QStringLiteral("КОТ,"));
    QTest::mouseClick(part<QWidget>(viewer, "FindNext"), Qt::LeftButton);
    EXPECT_EQ(lines->currentIndex().row(), 0);
    QTest::mouseClick(part<QWidget>(viewer, "FindNext"), Qt::LeftButton);
    EXPECT_EQ(lines->currentIndex().row(), 1);
    part<QLineEdit>(viewer, "FindBox")->setText(QStringLiteral("пёс"));
    QTest::mouseClick(part<QWidget>(viewer, "FindNext"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shownOfKind(ShownBox::Kind::Information).back().text,
              QStringLiteral("«пёс» не найдено."));

    QTest::mouseClick(part<QWidget>(viewer, "OpenElsewhere"), Qt::LeftButton);
    EXPECT_EQ(dialogs.viewedFiles(),
              QStringList{QString::fromStdString((folder / "a.txt_Emb.txt").string())});
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(ReportViewerTest, ExportsWriteTheTableAsShownTheLinesAndThePlot) {
    auto* viewer = openEmbed();
    part<QLineEdit>(viewer, "FilterBox")->setText(QStringLiteral("К"));
    EXPECT_EQ(part<QLabel>(viewer, "RowCount")->text(), QStringLiteral("Строк: 1"));
    part<QTableView>(viewer, "ReportTable")->sortByColumn(2, Qt::AscendingOrder);
    dialogs.queueFile(QString::fromStdString((folder / "t.csv").string()));
    QTest::mouseClick(part<QWidget>(viewer, "ExportTable"), Qt::LeftButton);
    EXPECT_EQ(folder.read("t.csv"),
              "\xEF\xBB\xBF"
              "Слово,Кол-во,Длина\r\nкот,2,3\r\n");

    choose(viewer, 0);
    dialogs.queueFile(QString::fromStdString((folder / "k.tsv").string()));
    QTest::mouseClick(part<QWidget>(viewer, "ExportConcordance"), Qt::LeftButton);
    EXPECT_EQ(folder.read("k.tsv"),
              "Позиция\tСлева\tВхождение\tСправа\n2\tс\tкот\t котел \n6\tскот \tкот\tел \n");

    for (const char* name : {"p.png", "p.svg"}) {
        dialogs.queueFile(QString::fromStdString((folder / name).string()));
        QTest::mouseClick(part<QWidget>(viewer, "SavePlot"), Qt::LeftButton);
    }
    EXPECT_FALSE(QImage(QString::fromStdString((folder / "p.png").string())).isNull());
    EXPECT_NE(folder.read("p.svg").find("<svg"), std::string::npos);

    // A file that cannot be written is named and nothing is left half-written.
    const auto blocked = folder / "no such folder" / "t.csv";
    dialogs.queueFile(QString::fromStdString(blocked.string()));
    QTest::mouseClick(part<QWidget>(viewer, "ExportTable"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shownOfKind(ShownBox::Kind::Information).back().text,
              QStringLiteral("Не удалось записать файл %1.")
                  .arg(QString::fromStdString(blocked.string())));
}

// The save dialogs start in the folder of the last export, kept in the start
// folder for the next start, else in the documents or home folder: never beside
// the text. The table's export is named after the report, the others after the word.
TEST_F(ReportViewerTest, ExportsProposeNamesInTheLastExportFolder) {
    testing::TempFolder home;
    testing::TempFolder exports;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().c_str());
    qunsetenv("XDG_CONFIG_HOME");
    const auto exportFrom = [&](ReportViewer* viewer, const char* button, const char* file) {
        dialogs.queueFile(pathText(exports / file));
        QTest::mouseClick(part<QWidget>(viewer, button), Qt::LeftButton);
        return dialogs.saveRequests().back();
    };

    auto* viewer = openEmbed();
    auto request = exportFrom(viewer, "ExportTable", "t.csv");
    EXPECT_EQ(request.initialFolder, pathText(home.path()));
    EXPECT_EQ(request.proposedName, QStringLiteral("a_EmbSortByFriq.csv"));
    EXPECT_EQ(start.read("LastExportPath.txt"), exports.path().string() + "\r\n");
    choose(viewer, 0);
    const std::pair<const char*, const char*> wordExports[] = {{"ExportConcordance", "кот.tsv"},
                                                               {"SavePlot", "кот.png"}};
    for (const auto& [button, proposed] : wordExports) {
        request = exportFrom(viewer, button, "w");
        EXPECT_EQ(request.initialFolder, pathText(exports.path())) << button;
        EXPECT_EQ(request.proposedName, QString::fromUtf8(proposed)) << button;
    }

    // The next start of the program begins where the last export went, until that
    // folder is gone.
    ReportViewers nextStart(embed::embedReportProgram([] { return Language::Russian; }), dialogs,
                            start.path());
    viewer = nextStart.open(folder / "a.txt_EmbSortByFriq.txt", &mainWindow);
    EXPECT_EQ(exportFrom(viewer, "ExportTable", "t.csv").initialFolder, pathText(exports.path()));
    std::filesystem::create_directory(home / "Documents");
    std::filesystem::remove_all(exports.path());
    dialogs.queueFile(std::nullopt);
    QTest::mouseClick(part<QWidget>(viewer, "ExportTable"), Qt::LeftButton);
    EXPECT_EQ(dialogs.saveRequests().back().initialFolder, pathText(home / "Documents"));

    qputenv("HOME", savedHome);
    if (!savedConfig.isEmpty()) {
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
}

// An exported plot carries its word above the strip, drawn in the PNG and the SVG.
TEST_F(ReportViewerTest, TheExportedPlotIsTitledWithItsWord) {
    auto* viewer = openEmbed();
    choose(viewer, 0);
    for (const char* name : {"p.png", "p.svg"}) {
        dialogs.queueFile(pathText(folder / name));
        QTest::mouseClick(part<QWidget>(viewer, "SavePlot"), Qt::LeftButton);
    }
    const QImage png(pathText(folder / "p.png"));
    QImage untitled(png.size(), QImage::Format_RGB32);
    QPainter painter(&untitled);
    part<DispersionPlot>(viewer, "DispersionPlot")->draw(painter, untitled.size());
    painter.end();
    ASSERT_FALSE(png.isNull());
    EXPECT_NE(png.convertToFormat(QImage::Format_RGB32), untitled);
    const auto svg = folder.read("p.svg");
    EXPECT_NE(svg.find(">«кот»</text>"), std::string::npos) << svg;
}

// Echoscan's fragments that differ by a blank at an end: the table and the caption
// show their blanks, while the filter, the copy and the export take the plain text.
TEST_F(ReportViewerTest, BlanksAreShownButNeverFilteredCopiedOrExported) {
    auto* viewer = openFragments("кот на окне, пёс на полу.", {{3, 3, 2}, {4, 3, 2}, {4, 2, 2}});
    auto* table = part<QTableView>(viewer, "ReportTable");
    ASSERT_EQ(rows(viewer, "ReportTable"), 3);
    EXPECT_EQ(cell(viewer, "ReportTable", 0, 0), QStringLiteral(" на"));
    EXPECT_EQ(cell(viewer, "ReportTable", 1, 0), QStringLiteral("на "));
    EXPECT_GT(testing::blankMarkPixels(table->viewport()->grab().toImage()), 0);

    dialogs.queueFile(pathText(folder / "t.csv"));
    QTest::mouseClick(part<QWidget>(viewer, "ExportTable"), Qt::LeftButton);
    EXPECT_EQ(folder.read("t.csv"),
              "\xEF\xBB\xBF"
              "Фрагмент,Кол-во,Длина\r\n на,2,3\r\nна ,2,3\r\nна,2,2\r\n");
    table->setFocus();
    table->setCurrentIndex(table->model()->index(1, 0));
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("на "));

    choose(viewer, 1);
    auto* caption = part<QLabel>(viewer, "ConcordanceNote");
    EXPECT_EQ(caption->text(), QStringLiteral("«на »: вхождений 2."));
    EXPECT_GT(testing::blankMarkPixels(caption->grab().toImage()), 0);
    part<QLineEdit>(viewer, "FilterBox")->setText(QStringLiteral(" на"));
    EXPECT_EQ(rows(viewer, "ReportTable"), 1);
    EXPECT_EQ(cell(viewer, "ReportTable", 0, 0), QStringLiteral(" на"));
}

// A fragment of a thousand characters leaves the caption one line high, cut short,
// with the whole caption in its tool tip.
TEST_F(ReportViewerTest, ALongFragmentsCaptionTakesOneLine) {
    // Words of two letters that never repeat, so that the fragment occurs twice.
    const QString letters = QStringLiteral("абвгдежзиклмнопрстуфхцчшщыэюя");
    QString words;
    for (int word = 0; words.size() < 1000; ++word) {
        words += QString(letters[word % letters.size()]) + letters[word / letters.size()] + u' ';
    }
    const std::string phrase = words.toStdString();
    const QString fragment = words.left(1000);
    auto* viewer = openFragments(phrase + ". " + phrase, {{0, 1000, 2}});
    choose(viewer, 0);
    ASSERT_EQ(rows(viewer, "Concordance"), 2);
    auto* caption = part<QLabel>(viewer, "ConcordanceNote");
    const QString whole = QStringLiteral("«%1»: вхождений 2.").arg(fragment);
    EXPECT_EQ(caption->text(), whole);
    QCoreApplication::processEvents();  // the layout gives the caption its height
    EXPECT_LT(caption->height(), caption->fontMetrics().lineSpacing() * 2);
    QTextDocument tip;
    tip.setHtml(caption->toolTip());
    EXPECT_EQ(tip.toPlainText(), whole);

    // A message after it wraps again.
    part<QLineEdit>(viewer, "FilterBox")->setText(QStringLiteral("пёс"));
    choose(viewer, 0);
    EXPECT_EQ(caption->text(), QStringLiteral("Выберите строку таблицы."));
    EXPECT_TRUE(caption->toolTip().isEmpty());
}

TEST_F(ReportViewerTest, AMissingOrChangedSourceLeavesTheTableAndSaysWhy) {
    const struct {
        const char* name;
        std::function<void()> change;
        QString note;
    } cases[] = {
        {"missing", [&] { std::filesystem::remove(folder / "a.txt"); },
         QStringLiteral("Исходный текст «a.txt» не найден в папке отчёта: строки в контексте "
                        "недоступны.")},
        {"changed",
         [&] {
             std::filesystem::last_write_time(
                 folder / "a.txt",
                 std::filesystem::last_write_time(folder / "a.txt_EmbSortByFriq.txt") +
                     std::chrono::seconds(5));
         },
         QStringLiteral("Исходный текст «a.txt» изменён после отчёта: строки в контексте "
                        "недоступны.")},
    };
    for (const auto& c : cases) {
        SetUp();
        c.change();
        auto* viewer = openEmbed();
        EXPECT_EQ(rows(viewer, "ReportTable"), 3) << c.name;
        choose(viewer, 0);
        EXPECT_EQ(rows(viewer, "Concordance"), 0) << c.name;
        EXPECT_EQ(note(viewer), c.note) << c.name;
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A source that goes between opening the report and choosing a row, and one that
// its program cannot index: the note says so in the window's words.
TEST_F(ReportViewerTest, ASourceThatCannotBePreparedIsNamedInTheNote) {
    auto refusing = embed::embedReportProgram([] { return Language::Russian; });
    refusing.makeFinder = [](std::string_view, Language) -> OccurrenceFinder {
        throw std::runtime_error("index refused");
    };
    ReportViewers refusingViewers(refusing, dialogs, start.path());
    auto* refused = refusingViewers.open(folder / "a.txt_EmbSortByFriq.txt", &mainWindow);
    choose(refused, 0);
    EXPECT_EQ(note(refused),
              QStringLiteral("Исходный текст не удалось подготовить: index refused."));

    auto* viewer = openEmbed();
    std::filesystem::remove(folder / "a.txt");
    choose(viewer, 0);
    EXPECT_EQ(rows(viewer, "Concordance"), 0);
    EXPECT_EQ(note(viewer), QStringLiteral("Не удалось прочитать исходный текст %1.")
                                .arg(QString::fromStdString((folder / "a.txt").string())));
}

// Which lines of a broken report parse is the row parser's test; a report of no
// text at all opens with no rows and its one line.
TEST_F(ReportViewerTest, AReportOfBinaryBytesOpensWithNoRows) {
    folder.write("a.txt_EmbSortByLen.txt", std::string("\0\0\xff", 3));
    auto* binary = openEmbed("a.txt_EmbSortByLen.txt");
    EXPECT_EQ(rows(binary, "ReportTable"), 0);
    EXPECT_EQ(part<QListView>(binary, "ReportLines")->model()->rowCount(), 1);
    choose(binary, 0);
    EXPECT_EQ(rows(binary, "Concordance"), 0);
}

// A report is written in its source's encoding: every copy of a report and its
// source shows what the Windows-1251 pair shows.
TEST_F(ReportViewerTest, ReportsAndSourcesInEveryEncodingShowTheSameTableAndLines) {
    const std::string source =
        utf8ToCp1251("Скот котел, а кот ел котлету;\r\nкотёл стоял на плите, и пёс ел тоже.\r\n");
    const std::string report = folder.read("a.txt_EmbSortByFriq.txt");
    const auto shown = [&](const testing::TempFolder& pair) {
        auto* viewer = embedViewers.open(pair / "a.txt_EmbSortByFriq.txt", &mainWindow);
        QStringList cells;
        choose(viewer, 1);
        for (const char* view : {"ReportTable", "Concordance"}) {
            for (int at = 0; at < rows(viewer, view); ++at) {
                cells.append(row(viewer, view, at));
            }
        }
        const auto* lines = part<QListView>(viewer, "ReportLines")->model();
        for (int row = 0; row < lines->rowCount(); ++row) {
            cells.append(lines->index(row, 0).data().toString());
        }
        return cells;
    };
    testing::TempFolder original;
    original.write("a.txt", source);
    original.write("a.txt_EmbSortByFriq.txt", report);
    const auto expected = shown(original);
    ASSERT_GE(expected.size(), 12) << expected.size();
    // UTF-16 for the encodings the report tells itself (the lines model's test has
    // them all), and the 8-bit ones only the source tells apart.
    for (const auto& encoding : {testing::kUtf16Le, testing::kKoi8, testing::kCp866}) {
        testing::TempFolder copy;
        const TextEncoder encoder(encoding);
        copy.write("a.txt", encoder.encodeFile(source));
        copy.write("a.txt_EmbSortByFriq.txt", encoder.encodeFile(report));
        EXPECT_EQ(shown(copy), expected) << describeEncoding(encoding);
    }
}

TEST_F(ReportViewerTest, TheSourceIsPreparedAsideAndTheWindowMayCloseMeanwhile) {
    std::string text;
    for (int copy = 0; copy < 100000; ++copy) {
        text += utf8ToCp1251("скот котел ");
    }
    folder.write("a.txt", text);
    folder.write("a.txt_EmbSortByFriq.txt", folder.read("a.txt_EmbSortByFriq.txt"));
    auto* viewer = openEmbed();
    viewer->chooseRow(0);
    EXPECT_TRUE(viewer->isPreparingSource());
    EXPECT_EQ(note(viewer), QStringLiteral("Исходный текст готовится к поиску вхождений…"));
    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();

    // The row chosen while the source is prepared is shown, wherever the filter
    // has moved it.
    viewer = openEmbed();
    viewer->chooseRow(1);
    part<QLineEdit>(viewer, "FilterBox")->setText(QStringLiteral("е"));
    ASSERT_TRUE(QTest::qWaitFor([viewer] { return !viewer->isPreparingSource(); }, 30000));
    EXPECT_EQ(rows(viewer, "Concordance"), 100000);
    EXPECT_TRUE(note(viewer).startsWith(QStringLiteral("«ел»"))) << note(viewer).toStdString();

    // Ctrl+F goes to the report's text and its find box.
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(part<QTabWidget>(viewer, "ViewerTabs")->currentIndex(), 1);
    EXPECT_TRUE(part<QLineEdit>(viewer, "FindBox")->hasFocus());
}

}  // namespace
}  // namespace undertext::ui
