#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QString>
#include <QWidget>

#include "viewer/core/source_preparation.h"
#include "viewer/core/summary_by_text.h"
#include "viewer/ui/export_folder.h"

class QKeyEvent;
class QLabel;
class QTableView;

namespace undertext::ui {

class ConcordanceNote;
class CorpusConcordanceModel;
class Dialogs;
class PerTextChart;
class ReportTableOrder;
class SummaryTableModel;
struct SummaryTextsLoaded;

// The viewer of a corpus summary (object name SummaryViewer): its table, sorted
// and filtered, and for the chosen row a bar chart of the term's count per million
// letters of each text, from the by-text file beside the summary; for a summary of
// fragments across texts also their occurrences in each text. The texts are found
// beside the summary, else in the current folder, and read (for their letters, and
// across texts indexed with findFragments) on a worker thread once the window
// opens; the window may be closed meanwhile. A window of its own over the main
// window; Escape closes it. GUI thread only; dialogs must outlive it.
class SummaryViewer final : public QWidget {
    Q_OBJECT

  public:
    // findFragments: how the program finds fragments in a text, or empty.
    SummaryViewer(std::filesystem::path summary, OccurrenceFinderMaker findFragments,
                  Dialogs& dialogs, const std::filesystem::path& startFolder, QWidget* mainWindow);
    ~SummaryViewer() override;

    // Shows the chart (and the occurrences) of the table row in its current order.
    void chooseRow(int row);
    // True while the texts are read.
    bool isReadingTexts() const { return reading_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* makeTablePart();
    QWidget* makeChartPart();
    void readByText();
    void startReadingTexts(OccurrenceFinderMaker findFragments);
    void showOccurrences(const std::string& term);
    void exportTable();
    void savePlot();
    QString exportStem() const;

    std::filesystem::path summary_;
    Dialogs& dialogs_;
    ExportFolder exportFolder_;
    QString problem_;  // why the chart cannot be shown, in the window's words
    std::optional<SummaryByText> byText_;
    std::shared_ptr<const SummaryTextsLoaded> texts_;
    bool reading_ = false;
    int chosen_ = -1;  // the row to show once the texts are read
    QString shownTerm_;

    SummaryTableModel* table_ = nullptr;
    ReportTableOrder* tableOrder_ = nullptr;
    QTableView* tableView_ = nullptr;
    QLabel* rowCount_ = nullptr;
    ConcordanceNote* note_ = nullptr;
    PerTextChart* chart_ = nullptr;
    CorpusConcordanceModel* concordance_ = nullptr;
};

}  // namespace undertext::ui
