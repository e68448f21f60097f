#include "viewer/app/viewer_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include <QCoreApplication>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "common/core/text/codepage.h"
#include "corpus/core/embed_summary.h"
#include "echoscan/core/fragment_reports.h"
#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance_table.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"
#include "viewer/ui/report_viewer.h"
#include "viewer/ui/summary_viewer.h"

namespace undertext::ui {
namespace {

QTableView* table(QWidget* window, const char* name) {
    auto* view = window->findChild<QTableView*>(QString::fromLatin1(name));
    EXPECT_NE(view, nullptr) << name;
    return view;
}

QString firstCaption(QWidget* window, const char* name) {
    return table(window, name)->model()->headerData(0, Qt::Horizontal).toString();
}

// The rows of the concordance once the occurrences of the window's first row are found.
int firstRowOccurrences(QWidget* window) {
    if (auto* report = qobject_cast<ReportViewer*>(window)) {
        report->chooseRow(0);
        EXPECT_TRUE(QTest::qWaitFor([report] { return !report->isPreparingSource(); }, 30000));
    } else if (auto* summary = qobject_cast<SummaryViewer*>(window)) {
        EXPECT_TRUE(QTest::qWaitFor([summary] { return !summary->isReadingTexts(); }, 30000));
        summary->chooseRow(0);
        EXPECT_TRUE(QTest::qWaitFor([summary] { return !summary->isReadingTexts(); }, 30000));
    }
    return table(window, "Concordance")->model()->rowCount();
}

// The status the program's event loop ends with after startUp (0 when it runs on).
int startUpStatus(ViewerProgram& program) {
    program.startUp();
    const QObject stillRunning;  // takes the timer with it once the loop has ended
    QTimer::singleShot(200, &stillRunning, [] { QCoreApplication::exit(0); });
    return QCoreApplication::exec();
}

// Each kind of file opens in its window with the reports and occurrences of the
// program that wrote it.
TEST(ViewerProgram, EachKindOfFileOpensInTheWindowOfItsProgram) {
    const std::vector<embed::EmbeddedWord> words = {{utf8ToCp1251("кот"), 2, 3}};
    const std::string fragments = utf8ToCp1251("мама мыла");
    struct Case {
        const char* file;
        std::function<void(const testing::TempFolder&)> write;
        const char* window;
        const char* table;  // nullptr: no table of rows
        const char* caption;
        int occurrences;
    };
    const Case cases[] = {
        {"a.txt_EmbSortByFriq.txt",
         [&](const testing::TempFolder& at) {
             at.write("a.txt", utf8ToCp1251("скот котел\r\n"));
             at.write("a.txt_EmbSortByFriq.txt",
                      embed::sortedReportText(embed::SortedReport::ByFrequency, words,
                                              embed::embedTotals(words, 2)));
         },
         "ReportViewer", "ReportTable", "Слово", 2},
        // The language comes from the source: as Russian, no Latin word is found.
        {"e.TXT_EMBSORTBYALF.TXT",
         [](const testing::TempFolder& at) {
             const std::vector<embed::EmbeddedWord> english = {{"cat", 2, 3}};
             at.write("e.TXT", "concatenate a scat\r\n");
             at.write("e.TXT_EMBSORTBYALF.TXT",
                      embed::sortedReportText(embed::SortedReport::Alphabetical, english,
                                              embed::embedTotals(english, 1)));
         },
         "ReportViewer", "ReportTable", "Слово", 2},
        {"b.txt_RecSortByLen.txt",
         [&](const testing::TempFolder& at) {
             at.write("b.txt", utf8ToCp1251("Мама мыла раму, мама мыла раму.\r\n"));
             at.write("b.txt_RecSortByLen.txt",
                      echoscan::fragmentReportText(echoscan::FragmentReport::ByLength, fragments,
                                                   {{0, 9, 2}}, 3, 9, 12));
         },
         "ReportViewer", "ReportTable", "Фрагмент", 2},
        {"corpus.tsv",
         [](const testing::TempFolder& at) {
             at.write("c.txt", utf8ToCp1251("Кот и кот.\r\n"));
             corpus::EmbedSummary summary;
             summary.add(0, {"c.txt", 7, {{utf8ToCp1251("кот"), 2, 3}}});
             ASSERT_TRUE(summary.write(at / "corpus.tsv"));
         },
         "SummaryViewer", "SummaryTable", "Слово", 0},
        // Fragments across texts are found in each text by Echoscan's finder.
        {"across.tsv",
         [](const testing::TempFolder& at) {
             at.write("d.txt", utf8ToCp1251("Мама мыла раму.\r\n"));
             at.write("f.txt", utf8ToCp1251("Вот мама мыла окно.\r\n"));
             at.write("across.tsv",
                      "fragment\ttotal\ttexts\tlength\n"
                      "мама мыла\t2\t2\t9\n");
             at.write("across.by-text.tsv",
                      "text\tfragment\tcount\tfirst_position\n"
                      "d.txt\tмама мыла\t1\t1\n"
                      "f.txt\tмама мыла\t1\t5\n");
         },
         "SummaryViewer", "SummaryTable", "Фрагмент", 2},
        // A significance file is Embed's report, though it looks like a table of words.
        {"g.txt_EmbSignificance.tsv",
         [](const testing::TempFolder& at) {
             at.write("g.txt", utf8ToCp1251("скот котел\r\n"));
             at.write("g.txt_EmbSignificance.tsv",
                      embed::significanceTsv({{utf8ToCp1251("кот"), 2, 1.2, true, 1e-6, 2e-5}}));
         },
         "ReportViewer", nullptr, nullptr, 0},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.file);
        const testing::TempFolder start;
        const testing::TempFolder folder;
        each.write(folder);
        ScriptedDialogs dialogs;
        ViewerProgram program(start.path(), dialogs);
        program.openGivenText(folder / each.file);
        auto* window = program.openedWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(each.window));
        EXPECT_TRUE(window->isWindow());
        EXPECT_TRUE(window->isVisible());
        if (each.table != nullptr) {  // a report that is no sorted list shows its lines alone
            EXPECT_EQ(firstCaption(window, each.table), QString::fromUtf8(each.caption));
            EXPECT_EQ(firstRowOccurrences(window), each.occurrences);
        }
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(startUpStatus(program), 0);
        delete window;
    }
}

// No file, or one that opens no viewer: a message naming it, no window, and the
// program ends with status 1.
TEST(ViewerProgram, AFileThatOpensNoViewerIsSaidAndEndsTheProgram) {
    const testing::TempFolder start;
    const testing::TempFolder folder;
    folder.write("notes.txt", "Кот и кот.\r\n");
    folder.write("table.tsv", "a\tb\n1\t2\n");
    std::filesystem::create_directory(folder / "reports.txt_EmbSortByFriq.txt");
    const auto named = [&folder](const char* name) {
        return QString::fromStdString((folder / name).string());
    };
    const QString notAReport = QStringLiteral(
        "Файл «%1» не является ни отчётом Embed или Echoscan, ни сводкой корпуса: показать его "
        "нельзя.");
    struct Case {
        const char* file;  // nullptr: none given
        QString message;
    };
    const Case cases[] = {
        {nullptr, QStringLiteral("Не указан файл: программе нужен отчёт Embed или Echoscan либо "
                                 "сводка корпуса (.tsv).")},
        {"missing.txt_EmbSortByFriq.txt",
         QStringLiteral("Файл «%1» не найден.").arg(named("missing.txt_EmbSortByFriq.txt"))},
        {"reports.txt_EmbSortByFriq.txt",
         QStringLiteral("Файл «%1» не найден.").arg(named("reports.txt_EmbSortByFriq.txt"))},
        {"notes.txt", notAReport.arg(named("notes.txt"))},
        {"table.tsv", notAReport.arg(named("table.tsv"))},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.file ? each.file : "no file");
        ScriptedDialogs dialogs(QStringLiteral("Viewer"));
        ViewerProgram program(start.path(), dialogs);
        if (each.file != nullptr) {
            program.openGivenText(folder / each.file);
        }
        EXPECT_EQ(program.openedWindow(), nullptr);
        EXPECT_EQ(startUpStatus(program), 1);
        const auto boxes = dialogs.shownOfKind(ShownBox::Kind::Information);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, QStringLiteral("Viewer"));
        EXPECT_EQ(boxes[0].text, each.message);
    }
}

}  // namespace
}  // namespace undertext::ui
