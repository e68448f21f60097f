#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/core/text/letters.h"
#include "common/core/text/source_span.h"

class QIODevice;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;
class QTextEdit;

namespace undertext::ui {

class ConcordanceModel;
class Dialogs;
class DispersionPlot;
class ReportLinesModel;
class ReportTableModel;
struct PreparedSource;

// The occurrences of a word or fragment (Windows-1251) in the source it was made for.
using OccurrenceFinder = std::function<std::vector<SourceSpan>(std::string_view)>;

// What the viewer needs of a program: the caption of its table's first column,
// the line shown for an entry without occurrences, the name suffixes of its sorted
// reports and of its other reports, the language chosen in its window (asked on
// the GUI thread), and how it finds occurrences in a source (Windows-1251) in a
// language. makeFinder runs on a worker thread and the finder it returns may be
// called from any thread.
struct ReportProgram {
    QString textCaption;
    QString noOccurrenceText;
    std::vector<std::string> sortedSuffixes;
    std::vector<std::string> otherSuffixes;
    std::function<Language()> language;
    std::function<OccurrenceFinder(std::string_view source, Language language)> makeFinder;
};

// The source text of a report: the report's name less its suffix, in the report's
// folder. problem tells, in the window's words, why its occurrences cannot be
// shown (gone, unreadable, changed since the report); empty when they can.
struct ReportSource {
    std::filesystem::path path;
    QString problem;
};
ReportSource reportSource(const std::filesystem::path& report, std::string_view suffix);

// The viewer of one report (object name ReportViewer): the report's lines with
// find (Ctrl+F) and copy, and for a sorted report a table of its rows with a
// filter, the concordance and the dispersion plot of the chosen row, and exports.
// The report and its source are read in the source's encoding. The source is read
// and indexed on a worker thread when a row is first chosen; the window may be
// closed meanwhile. A window of its own over the main window; Escape closes it.
// GUI thread only; dialogs must outlive it.
class ReportViewer final : public QWidget {
    Q_OBJECT

  public:
    // suffix: the report's name suffix among the program's, or empty.
    ReportViewer(std::filesystem::path report, std::string suffix, ReportProgram program,
                 Dialogs& dialogs, QWidget* mainWindow);
    ~ReportViewer() override;

    // Shows the occurrences of the table row (in the table's current order), once
    // the source is prepared.
    void chooseRow(int row);
    // True while the source is read and indexed.
    bool isPreparingSource() const { return preparing_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* makeTextPage();
    QWidget* makeTablePage();
    void findNext();
    void copyLines();
    void showWideContext(int row);
    void exportTable();
    void exportConcordance();
    void savePlot();
    // True when the source is prepared for finding occurrences. Otherwise the note
    // says why not, or that it is being prepared, which starts on first need.
    bool sourceReady();
    void startPreparing();
    // Writes bytes whole to a file chosen in the save dialog, or says why not.
    void saveChosen(const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix, const std::function<bool(QIODevice&)>& write);

    std::filesystem::path report_;
    std::string suffix_;
    ReportProgram program_;
    Dialogs& dialogs_;
    ReportLinesModel* lines_;
    QTabWidget* tabs_ = nullptr;
    QListView* linesView_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    ReportTableModel* table_ = nullptr;
    QSortFilterProxyModel* tableOrder_ = nullptr;
    QTableView* tableView_ = nullptr;
    ConcordanceModel* concordance_ = nullptr;
    QTableView* concordanceView_ = nullptr;
    QLabel* note_ = nullptr;
    QTextEdit* wideContext_ = nullptr;
    DispersionPlot* plot_ = nullptr;
    QString shownText_;  // the word or fragment whose occurrences are shown

    QLabel* rowCount_ = nullptr;

    ReportSource source_;
    bool preparing_ = false;
    QPersistentModelIndex chosen_;  // the row to show once the source is prepared
    std::shared_ptr<const PreparedSource> prepared_;
};

// The viewers of one program: one window per report; asking again for an open
// report brings its window to the front. dialogs must outlive the set.
class ReportViewers {
  public:
    ReportViewers(ReportProgram program, Dialogs& dialogs);

    ReportViewer* open(const std::filesystem::path& report, QWidget* mainWindow);
    // The suffix of the program's report that ends name (letter case ignored), or
    // empty.
    std::string reportSuffix(std::string_view name) const;

  private:
    ReportProgram program_;
    Dialogs& dialogs_;
    std::map<std::filesystem::path, QPointer<ReportViewer>> open_;
};

}  // namespace undertext::ui
