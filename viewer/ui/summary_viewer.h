#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "viewer/core/corpus_occurrences.h"
#include "viewer/core/prepared_text_cache.h"
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

// The viewer of a corpus summary (object name SummaryViewer): its table, sorted
// and filtered, and for the chosen row a bar chart of the term's count per million
// letters of each text, from the by-text file beside the summary; for a summary of
// fragments across texts also their occurrences in each text. The texts are found
// beside the summary, else in the current folder, and measured for their letters
// on a worker thread once the window opens. Across texts, the texts that hold the
// chosen row's fragment are indexed with findFragments on a worker thread when the
// row is chosen, and the last few indexed are kept for the rows that follow. The
// window may be closed meanwhile. A window of its own over the main window; Escape
// closes it. GUI thread only; dialogs must outlive it.
class SummaryViewer final : public QWidget {
    Q_OBJECT

  public:
    // findFragments: how the program finds fragments in a text, or empty.
    SummaryViewer(std::filesystem::path summary, OccurrenceFinderMaker findFragments,
                  Dialogs& dialogs, const std::filesystem::path& startFolder, QWidget* mainWindow);
    ~SummaryViewer() override;

    // Shows the chart (and the occurrences) of the table row in its current order.
    void chooseRow(int row);
    // True while the texts are measured, or the chosen row's texts are prepared.
    bool isReadingTexts() const { return reading_ || stopSearch_ != nullptr; }

    // How many prepared texts the window keeps at most.
    static constexpr std::size_t kPreparedTextsKept = 8;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* makeTablePart();
    QWidget* makeChartPart();
    void readByText();
    void startReadingTexts();
    void stopSearching();
    void showOccurrences(const std::string& term, const std::vector<TextCount>& counts);
    void showFound(CorpusOccurrences found);
    void exportTable();
    void savePlot();
    QString exportStem() const;

    std::filesystem::path summary_;
    Dialogs& dialogs_;
    ExportFolder exportFolder_;
    QString problem_;  // why the chart cannot be shown, in the window's words
    std::optional<SummaryByText> byText_;
    OccurrenceFinderMaker findFragments_;                // empty: no occurrences are shown
    std::vector<std::optional<MeasuredText>> measured_;  // by text index
    PreparedTextCache prepared_{kPreparedTextsKept};
    bool reading_ = false;
    int chosen_ = -1;  // the row to show once the texts are read
    // The stop flag of the chosen row's search while it runs, which also tells it
    // from earlier ones: their results are dropped, and their tasks told to stop.
    std::shared_ptr<std::atomic<bool>> stopSearch_;
    QString shownTerm_;

    SummaryTableModel* table_ = nullptr;
    ReportTableOrder* tableOrder_ = nullptr;
    QTableView* tableView_ = nullptr;
    QLabel* rowCount_ = nullptr;
    ConcordanceNote* note_ = nullptr;
    QLabel* searchNote_ = nullptr;
    PerTextChart* chart_ = nullptr;
    CorpusConcordanceModel* concordance_ = nullptr;
};

}  // namespace undertext::ui
