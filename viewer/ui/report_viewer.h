#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

#include "viewer/core/source_preparation.h"
#include "viewer/ui/export_folder.h"
#include "viewer/ui/report_program.h"
#include "viewer/ui/report_viewers.h"  // the set that opens these windows

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QTableView;
class QTabWidget;
class QTextEdit;

namespace undertext::ui {

class ConcordanceModel;
class ConcordanceNote;
class Dialogs;
class DispersionPlot;
class ReportLinesModel;
class ReportTableModel;
class ReportTableOrder;

// The viewer of one report (object name ReportViewer): the report's lines with
// find (Ctrl+F) and copy, and for a sorted report a table of its rows with a
// filter, the concordance and the dispersion plot of the chosen row, and exports;
// Embed's frequency report with the columns of its significance file beside it.
// Blanks in the words and fragments are made visible; exports start in the export
// folder that the start folder keeps. The report and its source are read in the
// source's encoding. The source is read and indexed on a worker thread when a row
// is first chosen; the window may be closed meanwhile. A window of its own over
// the main window; Escape closes it. GUI thread only; dialogs must outlive it.
class ReportViewer final : public QWidget {
    Q_OBJECT

  public:
    // suffix: the report's name suffix among the program's, or empty.
    ReportViewer(std::filesystem::path report, std::string suffix, ReportProgram program,
                 Dialogs& dialogs, const std::filesystem::path& startFolder, QWidget* mainWindow);
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
    // For the report that takes a significance file, when the file is beside it:
    // adds its columns to the table and returns the check box that keeps only the
    // words found not by chance; or, when the file does not read, a note saying so.
    // Otherwise null.
    QWidget* addSignificance(QWidget* page);
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
    // The names proposed for an export of the report and of the shown word or fragment.
    QString reportExportName(const char* extension) const;
    QString shownTextExportName(const char* extension) const;

    std::filesystem::path report_;
    std::string suffix_;
    ReportProgram program_;
    Dialogs& dialogs_;
    ExportFolder exportFolder_;
    ReportLinesModel* lines_;
    QTabWidget* tabs_ = nullptr;
    QListView* linesView_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    ReportTableModel* table_ = nullptr;
    ReportTableOrder* tableOrder_ = nullptr;
    QTableView* tableView_ = nullptr;
    ConcordanceModel* concordance_ = nullptr;
    QTableView* concordanceView_ = nullptr;
    ConcordanceNote* note_ = nullptr;
    QTextEdit* wideContext_ = nullptr;
    DispersionPlot* plot_ = nullptr;
    QString shownText_;  // the word or fragment whose occurrences are shown

    QLabel* rowCount_ = nullptr;

    ReportSource source_;
    QString sourceProblem_;  // why occurrences cannot be shown, in the window's words
    bool preparing_ = false;
    QPersistentModelIndex chosen_;  // the row to show once the source is prepared
    std::shared_ptr<const PreparedSource> prepared_;
};

}  // namespace undertext::ui
