#include "viewer/ui/summary_viewer.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrentRun>

#include "common/core/files/file_io.h"
#include "common/core/text/codepage.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/widgets/window_parts.h"
#include "viewer/core/export_names.h"
#include "viewer/core/summary_texts.h"
#include "viewer/ui/concordance_note.h"
#include "viewer/ui/corpus_concordance_model.h"
#include "viewer/ui/per_text_chart.h"
#include "viewer/ui/report_exports.h"
#include "viewer/ui/report_table_order.h"
#include "viewer/ui/summary_table_model.h"
#include "viewer/ui/term_table_parts.h"

namespace undertext::ui {

namespace {

using MeasuredTexts = std::vector<std::optional<MeasuredText>>;

QString fileName(const std::filesystem::path& path) {
    return QString::fromStdString(path.filename().string());
}

QString chooseRowText() {
    return QCoreApplication::translate("SummaryViewer", "Выберите строку таблицы.");
}

// The summary's rows, or an empty table and why.
std::pair<SummaryTable, QString> readSummary(const std::filesystem::path& path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return {{},
                QCoreApplication::translate("SummaryViewer", "Не удалось прочитать файл %1.")
                    .arg(QString::fromStdString(path.string()))};
    }
    auto reading = readSummaryTable(bytes.value());
    if (!reading.table) {
        return {{},
                QCoreApplication::translate("SummaryViewer",
                                            "Файл %1 не читается как сводка (строка %2).")
                    .arg(fileName(path))
                    .arg(reading.badLine)};
    }
    return {std::move(*reading.table), {}};
}

MeasuredTexts measureTexts(const std::vector<std::string>& names,
                           const std::filesystem::path& summaryFolder) {
    MeasuredTexts measured;
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    for (const auto& name : names) {
        measured.push_back(measureSummaryText(name, summaryFolder, current));
    }
    return measured;
}

}  // namespace

SummaryViewer::SummaryViewer(std::filesystem::path summary, OccurrenceFinderMaker findFragments,
                             Dialogs& dialogs, const std::filesystem::path& startFolder,
                             QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      summary_(std::move(summary)),
      dialogs_(dialogs),
      exportFolder_(startFolder) {
    setObjectName(QStringLiteral("SummaryViewer"));
    setWindowTitle(QCoreApplication::translate("SummaryViewer", "Просмотр сводки: %1")
                       .arg(fileName(summary_)));
    auto [rows, unreadable] = readSummary(summary_);
    table_ = new SummaryTableModel(std::move(rows), this);

    auto* layout = new QVBoxLayout(this);
    if (!unreadable.isEmpty()) {
        auto* label = makeLabel(this, "SummaryUnreadable", unreadable);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(makeTablePart());
    split->addWidget(makeChartPart());
    split->setSizes({300, 320});
    layout->addWidget(split, 1);
    auto* closeButton =
        makeButton(this, QStringLiteral("CloseViewer"),
                   QCoreApplication::translate("SummaryViewer", "Закрыть"), ButtonIcon::Exit);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    if (unreadable.isEmpty()) {
        readByText();
    }
    note_->showMessage(problem_.isEmpty() ? chooseRowText() : problem_);
    if (byText_) {
        if (byText_->acrossTexts && table_->table().terms == SummaryTerms::Fragments) {
            findFragments_ = std::move(findFragments);
        }
        startReadingTexts();
    }
    resize(QSize(960, 680).boundedTo(screen()->availableGeometry().size() - QSize(20, 60)));
}

SummaryViewer::~SummaryViewer() {
    if (stopSearch_) {
        *stopSearch_ = true;
    }
}

void SummaryViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* SummaryViewer::makeTablePart() {
    auto* part = new QWidget(this);
    tableOrder_ = new ReportTableOrder(
        *table_, [table = table_](int row) { return table->isNonRandom(row); }, this);
    auto* filter = makeFilterBox(part, *tableOrder_);
    rowCount_ = makeRowCount(part, *tableOrder_);
    auto* exportTable = makeButton(part, QStringLiteral("ExportTable"),
                                   QCoreApplication::translate("SummaryViewer", "Таблица в CSV..."),
                                   ButtonIcon::Save);
    connect(exportTable, &QPushButton::clicked, this, &SummaryViewer::exportTable);

    auto* controls = new QHBoxLayout;
    controls->addWidget(filter, 1);
    if (table_->table().qColumn) {
        controls->addWidget(makeNonRandomFilter(part, *tableOrder_));
    }
    controls->addWidget(rowCount_);
    controls->addWidget(exportTable);

    tableView_ = makeTermTable(part, QStringLiteral("SummaryTable"), *tableOrder_,
                               [this](int row) { chooseRow(row); });
    tableView_->setMinimumHeight((fontMetrics().height() + 6) * 3);
    auto* header = tableView_->horizontalHeader();
    // The numbers' columns as wide as their captions and the figures of their
    // first rows (not every row is measured), and at least as a q-value such as
    // 1.23e-04 needs; the word's column takes the rest, so that a small window
    // shows every column.
    const int figure = fontMetrics().horizontalAdvance(QStringLiteral("0.00e+00")) + 24;
    const QAbstractItemView& rows = *tableView_;  // sizeHintForColumn is public there
    for (int column = 1; column < table_->columnCount(); ++column) {
        const auto caption = table_->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column,
                              std::max({figure, fontMetrics().horizontalAdvance(caption) + 24,
                                        rows.sizeHintForColumn(column)}));
    }

    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(tableView_, 1);
    return part;
}

QWidget* SummaryViewer::makeChartPart() {
    auto* part = new QWidget(this);
    note_ = new ConcordanceNote(part);
    auto* savePlot = makeButton(part, QStringLiteral("SavePlot"),
                                QCoreApplication::translate("SummaryViewer", "Сохранить график..."),
                                ButtonIcon::Save);
    connect(savePlot, &QPushButton::clicked, this, &SummaryViewer::savePlot);
    chart_ = new PerTextChart(part);
    auto* controls = new QHBoxLayout;
    controls->addWidget(note_, 1);
    controls->addWidget(savePlot);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(chart_, 1);
    searchNote_ = makeLabel(
        part, "ConcordanceWaiting",
        QCoreApplication::translate("SummaryViewer", "Тексты готовятся к поиску вхождений…"));
    searchNote_->setWordWrap(true);
    searchNote_->hide();
    layout->addWidget(searchNote_);
    concordance_ = new CorpusConcordanceModel(this);
    auto* lines = new QTableView(part);
    lines->setObjectName(QStringLiteral("Concordance"));
    lines->setModel(concordance_);
    lines->verticalHeader()->hide();
    lines->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    lines->setWordWrap(false);
    lines->setMinimumHeight((fontMetrics().height() + 6) * 3);
    lines->horizontalHeader()->setSectionResizeMode(CorpusConcordanceModel::Left,
                                                    QHeaderView::Stretch);
    lines->horizontalHeader()->setSectionResizeMode(CorpusConcordanceModel::Right,
                                                    QHeaderView::Stretch);
    layout->addWidget(lines, 1);
    lines->hide();  // shown for a summary across texts
    return part;
}

void SummaryViewer::readByText() {
    const auto path = summaryByTextPath(summary_);
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        problem_ = QCoreApplication::translate("SummaryViewer",
                                               "Файл %1 не прочитан: распределения по текстам нет.")
                       .arg(fileName(path));
        return;
    }
    auto reading = readSummaryByText(bytes.value(), table_->table().terms);
    if (!reading.table) {
        problem_ =
            QCoreApplication::translate(
                "SummaryViewer", "Файл %1 не читается (строка %2): распределения по текстам нет.")
                .arg(fileName(path))
                .arg(reading.badLine);
        return;
    }
    byText_ = std::move(reading.table);
    if (byText_->acrossTexts) {
        findChild<QTableView*>(QStringLiteral("Concordance"))->show();
    }
}

void SummaryViewer::startReadingTexts() {
    reading_ = true;
    auto* watcher = new QFutureWatcher<MeasuredTexts>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        measured_ = watcher->result();
        watcher->deleteLater();
        reading_ = false;
        chooseRow(chosen_);
    });
    watcher->setFuture(QtConcurrent::run([names = byText_->texts, folder = summary_.parent_path()] {
        return measureTexts(names, folder);
    }));
}

void SummaryViewer::stopSearching() {
    if (stopSearch_) {
        *stopSearch_ = true;
        stopSearch_.reset();
    }
    searchNote_->hide();
}

void SummaryViewer::chooseRow(int row) {
    chart_->clear();
    concordance_->show({});
    stopSearching();
    shownTerm_.clear();
    chosen_ = row;
    if (row < 0 || row >= tableOrder_->rowCount()) {
        note_->showMessage(problem_.isEmpty() ? chooseRowText() : problem_);
        return;
    }
    if (!problem_.isEmpty()) {
        note_->showMessage(problem_);
        return;
    }
    if (reading_) {
        note_->showMessage(QCoreApplication::translate("SummaryViewer", "Тексты читаются…"));
        return;
    }
    const auto sourceRow = tableOrder_->mapToSource(tableOrder_->index(row, 0)).row();
    const auto& term = table_->table().rows[static_cast<std::size_t>(sourceRow)].term;
    shownTerm_ = QString::fromStdString(term);
    const auto found = byText_->counts.find(term);
    const auto counts = found != byText_->counts.end() ? found->second : std::vector<TextCount>{};
    std::vector<std::optional<std::uint64_t>> letters;
    for (const auto& measured : measured_) {
        letters.push_back(measured ? std::optional(measured->letters) : std::nullopt);
    }
    const auto values = perTextValues(counts, letters);
    std::vector<PerTextChart::Bar> bars;
    for (std::size_t text = 0; text < values.size(); ++text) {
        bars.push_back({QString::fromStdString(byText_->texts[text]), values[text].value,
                        values[text].perMillion});
    }
    chart_->show(std::move(bars));
    note_->showCaption(shownTerm_,
                       QCoreApplication::translate("SummaryViewer", ": в текстах %1 из %2.")
                           .arg(counts.size())
                           .arg(byText_->texts.size()));
    if (findFragments_) {
        showOccurrences(term, counts);
    }
}

void SummaryViewer::showOccurrences(const std::string& term, const std::vector<TextCount>& counts) {
    // Only the texts that hold the fragment, in the by-text file's order of texts.
    std::vector<TextToSearch> texts;
    for (const auto& count : counts) {
        if (const auto& measured = measured_.at(count.text)) {
            texts.push_back({count.text, *measured, prepared_.find(count.text)});
        }
    }
    std::ranges::sort(texts, {}, &TextToSearch::text);
    const auto fragment = utf8ToCp1251(term);
    if (std::ranges::all_of(texts, [](const auto& text) { return text.prepared != nullptr; })) {
        const std::atomic<bool> never{false};
        showFound(
            findInTexts(std::move(texts), fragment, findFragments_, prepared_.capacity(), never));
        return;
    }
    searchNote_->show();
    stopSearch_ = std::make_shared<std::atomic<bool>>(false);
    // The watcher goes with the window; a task that ends after it has closed, or
    // after another row was chosen (its stop flag is no longer the current one),
    // is dropped.
    auto* watcher = new QFutureWatcher<CorpusOccurrences>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, stop = stopSearch_] {
        watcher->deleteLater();
        if (stop == stopSearch_) {
            searchNote_->hide();
            stopSearch_.reset();
            showFound(watcher->result());
        }
    });
    watcher->setFuture(
        QtConcurrent::run([texts = std::move(texts), fragment, makeFinder = findFragments_,
                           keep = prepared_.capacity(), stop = stopSearch_] {
            return findInTexts(texts, fragment, makeFinder, keep, *stop);
        }));
}

void SummaryViewer::showFound(CorpusOccurrences found) {
    for (auto& [text, prepared] : found.prepared) {
        prepared_.add(text, std::move(prepared));
    }
    std::vector<CorpusConcordanceModel::Line> lines;
    for (auto& occurrence : found.lines) {
        lines.push_back(
            {QString::fromStdString(byText_->texts[occurrence.text]), std::move(occurrence.line)});
    }
    concordance_->show(std::move(lines));
}

QString SummaryViewer::exportStem() const {
    return QString::fromStdString(summary_.stem().string());
}

void SummaryViewer::exportTable() {
    const QByteArray csv = tableAsCsv(*tableOrder_);
    saveToChosenFile(dialogs_, this, exportFolder_,
                     {QCoreApplication::translate("SummaryViewer", "Сохранить таблицу"),
                      {},
                      exportStem() + QStringLiteral(".csv"),
                      QStringLiteral("CSV (*.csv)"),
                      QStringLiteral("csv")},
                     [&csv](QSaveFile& file) { return writeBytes(file, csv); });
}

void SummaryViewer::savePlot() {
    if (shownTerm_.isEmpty()) {
        dialogs_.inform(this, chooseRowText());
        return;
    }
    const QSize size = chart_->titledSize(600);
    const auto proposed =
        textExportStem(shownTerm_.toStdString(), exportStem().toStdString()) + ".png";
    saveToChosenFile(
        dialogs_, this, exportFolder_,
        {QCoreApplication::translate("SummaryViewer", "Сохранить график"),
         {},
         QString::fromStdString(proposed),
         QStringLiteral("PNG (*.png);;SVG (*.svg)"),
         QStringLiteral("png")},
        [this, size](QSaveFile& file) { return writePlot(file, *chart_, size, shownTerm_); });
}

}  // namespace undertext::ui
