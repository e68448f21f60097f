#include "viewer/ui/report_viewer.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtConcurrentRun>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/text/text_encoding.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/widgets/window_parts.h"
#include "viewer/core/export_names.h"
#include "viewer/ui/concordance_model.h"
#include "viewer/ui/concordance_note.h"
#include "viewer/ui/dispersion_plot.h"
#include "viewer/ui/report_exports.h"
#include "viewer/ui/report_lines_model.h"
#include "viewer/ui/report_table_model.h"
#include "viewer/ui/report_table_order.h"
#include "viewer/ui/term_table_parts.h"

namespace undertext::ui {

namespace {

using PreparedPointer = std::shared_ptr<const PreparedSource>;

constexpr std::size_t kWideContextWidth = 300;

QString shownPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.filename().string());
}

// A part of the table page: a row of controls (the first one stretching; a null
// one left out) above a view that takes the rest of the height.
QWidget* pane(QWidget* page, std::initializer_list<QWidget*> row, QWidget* view) {
    auto* part = new QWidget(page);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* controls = new QHBoxLayout;
    for (auto* widget : row) {
        if (widget != nullptr) {
            controls->addWidget(widget, widget == *row.begin() ? 1 : 0);
        }
    }
    layout->addLayout(controls);
    layout->addWidget(view, 1);
    return part;
}

// Why the occurrences of the report's rows cannot be shown, in the window's
// words; empty when they can.
QString problemText(const ReportSource& source, const PreparedSource* prepared) {
    const QString name = QString::fromStdString(source.name);
    const auto problem = prepared != nullptr ? prepared->problem : source.problem;
    switch (problem) {
        case SourceProblem::None:
            return {};
        case SourceProblem::Missing:
            return QCoreApplication::translate(
                       "ReportViewer",
                       "Исходный текст «%1» не найден в папке отчёта: строки в "
                       "контексте недоступны.")
                .arg(name);
        case SourceProblem::ChangedSinceReport:
            return QCoreApplication::translate("ReportViewer",
                                               "Исходный текст «%1» изменён после отчёта: строки в "
                                               "контексте недоступны.")
                .arg(name);
        case SourceProblem::Unreadable:
            return QCoreApplication::translate("ReportViewer",
                                               "Не удалось прочитать исходный текст %1.")
                .arg(QString::fromStdString(source.path.string()));
        case SourceProblem::TooLarge:
            return QCoreApplication::translate(
                "ReportViewer", "Исходный текст слишком велик для поиска вхождений.");
        case SourceProblem::OutOfMemory:
            return QCoreApplication::translate(
                "ReportViewer", "Недостаточно памяти для поиска вхождений в исходном тексте.");
        case SourceProblem::Failed:
            return QCoreApplication::translate("ReportViewer",
                                               "Исходный текст не удалось подготовить: %1.")
                .arg(QString::fromLocal8Bit(prepared->detail));
    }
    return {};
}

// The save dialog's request for an export; the export folder is filled in when
// the dialog opens.
SaveFileRequest exportRequest(const QString& title, const QString& proposed, const QString& filter,
                              const QString& suffix) {
    return {title, {}, proposed, filter, suffix};
}

// Cuts the left context on its left, so that the text next to the occurrence
// stays in view.
class LeftElided final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideLeft;
    }
};

QString chooseRowText() {
    return QCoreApplication::translate("ReportViewer", "Выберите строку таблицы.");
}

}  // namespace

ReportViewer::ReportViewer(std::filesystem::path report, std::string suffix, ReportProgram program,
                           Dialogs& dialogs, const std::filesystem::path& startFolder,
                           QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      report_(std::move(report)),
      suffix_(std::move(suffix)),
      program_(std::move(program)),
      dialogs_(dialogs),
      exportFolder_(startFolder) {
    setObjectName(QStringLiteral("ReportViewer"));
    setWindowTitle(
        QCoreApplication::translate("ReportViewer", "Просмотр отчёта: %1").arg(shownPath(report_)));
    if (!suffix_.empty()) {
        source_ = locateReportSource(report_, suffix_);
        sourceProblem_ = problemText(source_, nullptr);
    }
    // The source's start tells the report's encoding when the report's own is unsure.
    lines_ = new ReportLinesModel(QString::fromStdString(report_.string()),
                                  QString::fromStdString(source_.path.string()), this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ViewerTabs"));
    const auto& sorted = program_.sortedSuffixes;
    if (std::find(sorted.begin(), sorted.end(), suffix_) != sorted.end()) {
        tabs_->addTab(makeTablePage(), QCoreApplication::translate("ReportViewer", "Таблица"));
    }
    tabs_->addTab(makeTextPage(), QCoreApplication::translate("ReportViewer", "Текст отчёта"));

    auto* openElsewhere = new QPushButton(
        QCoreApplication::translate("ReportViewer", "Открыть в другой программе"), this);
    openElsewhere->setObjectName(QStringLiteral("OpenElsewhere"));
    connect(openElsewhere, &QPushButton::clicked, this,
            [this] { dialogs_.openInViewer(this, QString::fromStdString(report_.string())); });
    auto* closeButton =
        makeButton(this, QStringLiteral("CloseViewer"),
                   QCoreApplication::translate("ReportViewer", "Закрыть"), ButtonIcon::Exit);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openElsewhere);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        tabs_->setCurrentIndex(tabs_->count() - 1);
        findBox_->setFocus();
        findBox_->selectAll();
    });
    // A small screen gets a window that fits with its frame and title bar.
    resize(QSize(960, 680).boundedTo(screen()->availableGeometry().size() - QSize(20, 60)));
}

ReportViewer::~ReportViewer() {
    // The views outlive the source text while the base class deletes them.
    if (concordance_ != nullptr) {
        concordance_->show(nullptr, {});
    }
}

void ReportViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* ReportViewer::makeTextPage() {
    auto* page = new QWidget(tabs_);
    findBox_ = new QLineEdit(page);
    findBox_->setObjectName(QStringLiteral("FindBox"));
    findBox_->setPlaceholderText(QCoreApplication::translate("ReportViewer", "Найти (Ctrl+F)"));
    auto* findButton =
        new QPushButton(QCoreApplication::translate("ReportViewer", "Найти далее"), page);
    findButton->setObjectName(QStringLiteral("FindNext"));
    linesView_ = new QListView(page);
    linesView_->setObjectName(QStringLiteral("ReportLines"));
    linesView_->setModel(lines_);
    linesView_->setUniformItemSizes(true);
    linesView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    linesView_->setFont(fixed);
    auto* copy =
        new QShortcut(QKeySequence::Copy, linesView_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &ReportViewer::copyLines);
    connect(findBox_, &QLineEdit::returnPressed, this, &ReportViewer::findNext);
    connect(findButton, &QPushButton::clicked, this, &ReportViewer::findNext);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findBox_, 1);
    findRow->addWidget(findButton);
    auto* layout = new QVBoxLayout(page);
    if (!lines_->isOpen()) {
        layout->addWidget(
            makeLabel(page, "ReportUnreadable",
                      QCoreApplication::translate("ReportViewer", "Не удалось прочитать файл %1.")
                          .arg(QString::fromStdString(report_.string()))));
    }
    layout->addLayout(findRow);
    layout->addWidget(linesView_, 1);
    return page;
}

QWidget* ReportViewer::makeTablePage() {
    auto* page = new QWidget(tabs_);
    auto report = readWholeFile(report_);
    auto rows =
        report ? parseReportRows(decodeText(report.value(), lines_->encoding().encoding).cp1251)
               : std::vector<ReportRow>{};
    table_ = new ReportTableModel(std::move(rows), program_.textCaption, this);
    tableOrder_ = new ReportTableOrder(
        *table_, [table = table_](int row) { return table->isNonRandom(row); }, this);
    auto* significance = addSignificance(page);

    auto* filter = makeFilterBox(page, *tableOrder_);
    rowCount_ = makeRowCount(page, *tableOrder_);
    tableView_ = makeTermTable(page, QStringLiteral("ReportTable"), *tableOrder_,
                               [this](int row) { chooseRow(row); });

    note_ = new ConcordanceNote(page);
    note_->showMessage(sourceProblem_.isEmpty() ? chooseRowText() : sourceProblem_);
    concordance_ = new ConcordanceModel(this);
    concordanceView_ = new QTableView(page);
    concordanceView_->setObjectName(QStringLiteral("Concordance"));
    concordanceView_->setModel(concordance_);
    concordanceView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    concordanceView_->verticalHeader()->hide();
    concordanceView_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    concordanceView_->setWordWrap(false);
    auto* header = concordanceView_->horizontalHeader();
    header->setSectionResizeMode(ConcordanceModel::Left, QHeaderView::Stretch);
    header->setSectionResizeMode(ConcordanceModel::Right, QHeaderView::Stretch);
    header->setSectionResizeMode(ConcordanceModel::Span, QHeaderView::ResizeToContents);
    concordanceView_->setItemDelegateForColumn(ConcordanceModel::Left,
                                               new LeftElided(concordanceView_));
    connect(concordanceView_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { showWideContext(index.row()); });
    wideContext_ = new QTextEdit(page);
    wideContext_->setObjectName(QStringLiteral("WideContext"));
    wideContext_->setReadOnly(true);
    wideContext_->setMaximumHeight(70);
    // On a small or scaled screen the views give up height before the window
    // outgrows the screen: a heading and two lines each, the wide context two lines.
    const int line = fontMetrics().height() + 6;
    for (auto* view :
         {static_cast<QWidget*>(tableView_), static_cast<QWidget*>(concordanceView_)}) {
        view->setMinimumHeight(line * 3);
    }
    wideContext_->setMinimumHeight(fontMetrics().lineSpacing() * 2 + 8);
    plot_ = new DispersionPlot(page);

    auto* exportTable = makeButton(page, QStringLiteral("ExportTable"),
                                   QCoreApplication::translate("ReportViewer", "Таблица в CSV..."),
                                   ButtonIcon::Save);
    auto* exportLines = makeButton(page, QStringLiteral("ExportConcordance"),
                                   QCoreApplication::translate("ReportViewer", "Строки в TSV..."),
                                   ButtonIcon::Save);
    auto* savePlot = makeButton(page, QStringLiteral("SavePlot"),
                                QCoreApplication::translate("ReportViewer", "Сохранить график..."),
                                ButtonIcon::Save);
    connect(exportTable, &QPushButton::clicked, this, &ReportViewer::exportTable);
    connect(exportLines, &QPushButton::clicked, this, &ReportViewer::exportConcordance);
    connect(savePlot, &QPushButton::clicked, this, &ReportViewer::savePlot);

    auto* top = pane(page, {filter, significance, rowCount_, exportTable}, tableView_);
    auto* bottom = pane(page, {note_, exportLines, savePlot}, concordanceView_);
    auto* bottomLayout = bottom->layout();
    bottomLayout->addWidget(wideContext_);
    bottomLayout->addWidget(plot_);

    auto* split = new QSplitter(Qt::Vertical, page);
    split->addWidget(top);
    split->addWidget(bottom);
    split->setSizes({260, 360});
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(split);
    return page;
}

QWidget* ReportViewer::addSignificance(QWidget* page) {
    const auto& files = program_.significance;
    if (files.reportSuffix.empty() || suffix_ != files.reportSuffix) {
        return nullptr;
    }
    const auto path = findNameIgnoringCase(report_.parent_path(), source_.name + files.fileSuffix);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) {
        return nullptr;
    }
    const auto bytes = readWholeFile(*path);
    const auto reading = bytes ? readSignificanceFile(bytes.value()) : SignificanceReading{};
    if (!reading.table) {
        // In the row of controls, so that the window keeps its height; the tool tip
        // names the file.
        auto* note =
            makeLabel(page, "SignificanceNote",
                      bytes ? QCoreApplication::translate("ReportViewer",
                                                          "Значимость не показана: файл повреждён "
                                                          "(строка %1).")
                                  .arg(reading.badLine)
                            : QCoreApplication::translate(
                                  "ReportViewer", "Значимость не показана: файл не читается."));
        note->setToolTip(QString::fromStdString(path->string()));
        return note;
    }
    table_->addSignificance(*reading.table);
    return makeNonRandomFilter(page, *tableOrder_);
}

bool ReportViewer::sourceReady() {
    if (sourceProblem_.isEmpty() && !prepared_ && !preparing_) {
        startPreparing();
    }
    if (preparing_) {
        note_->showMessage(QCoreApplication::translate(
            "ReportViewer", "Исходный текст готовится к поиску вхождений…"));
        return false;
    }
    if (!sourceProblem_.isEmpty()) {
        note_->showMessage(sourceProblem_);
        return false;
    }
    return true;
}

void ReportViewer::startPreparing() {
    preparing_ = true;
    // The watcher goes with the window: a result that comes after the window has
    // closed is dropped with the task.
    auto* watcher = new QFutureWatcher<PreparedPointer>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        prepared_ = watcher->result();
        watcher->deleteLater();
        preparing_ = false;
        sourceProblem_ = problemText(source_, prepared_.get());
        note_->showMessage(sourceProblem_.isEmpty() ? chooseRowText() : sourceProblem_);
        chooseRow(chosen_.isValid() ? chosen_.row() : -1);
    });
    watcher->setFuture(
        QtConcurrent::run([path = source_.path, encoding = lines_->encoding().encoding,
                           language = program_.language(), makeFinder = program_.makeFinder] {
            return std::make_shared<const PreparedSource>(
                prepareSource(path, encoding, language, makeFinder));
        }));
}

void ReportViewer::chooseRow(int row) {
    concordance_->show({}, {});
    plot_->clear();
    wideContext_->clear();
    shownText_.clear();
    chosen_ = QPersistentModelIndex(tableOrder_->index(row, 0));
    if (row < 0 || row >= tableOrder_->rowCount()) {
        // No caption of a row that is no longer chosen, as when the filter hid it.
        if (!preparing_) {
            note_->showMessage(sourceProblem_.isEmpty() ? chooseRowText() : sourceProblem_);
        }
        return;
    }
    if (!sourceReady()) {
        return;
    }
    const auto& entry = table_->row(tableOrder_->mapToSource(tableOrder_->index(row, 0)).row());
    shownText_ = tableOrder_->index(row, ReportTableModel::Text).data().toString();
    const auto& source = prepared_->text;
    auto spans = prepared_->finder(entry.text);
    const auto found = spans.size();
    plot_->show(spans, source.cp1251.size());
    concordance_->show(&source, std::move(spans));
    if (found == 0) {
        note_->showMessage(program_.noOccurrenceText);
    } else if (found == entry.count) {
        note_->showCaption(
            shownText_, QCoreApplication::translate("ReportViewer", ": вхождений %1.").arg(found));
    } else {
        note_->showCaption(shownText_, QCoreApplication::translate(
                                           "ReportViewer",
                                           ": найдено вхождений %1, в отчёте %2: текст, язык или "
                                           "модули могли измениться после отчёта.")
                                           .arg(found)
                                           .arg(entry.count));
    }
}

void ReportViewer::showWideContext(int row) {
    wideContext_->setHtml(concordance_->wideContext(row, kWideContextWidth));
}

void ReportViewer::findNext() {
    const int from =
        linesView_->currentIndex().isValid() ? linesView_->currentIndex().row() + 1 : 0;
    const int row = lines_->find(findBox_->text(), from);
    if (row < 0) {
        dialogs_.inform(
            this,
            QCoreApplication::translate("ReportViewer", "«%1» не найдено.").arg(findBox_->text()));
        return;
    }
    const auto index = lines_->index(row);
    linesView_->setCurrentIndex(index);
    linesView_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void ReportViewer::copyLines() {
    auto rows = linesView_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList text;
    for (const auto& index : rows) {
        text.append(lines_->line(index.row()));
    }
    QApplication::clipboard()->setText(text.join(u'\n'));
}

QString ReportViewer::reportExportName(const char* extension) const {
    return QString::fromStdString(reportExportStem(report_.filename().string(), suffix_) + '.' +
                                  extension);
}

QString ReportViewer::shownTextExportName(const char* extension) const {
    const auto reportStem = reportExportStem(report_.filename().string(), suffix_);
    return QString::fromStdString(textExportStem(shownText_.toStdString(), reportStem) + '.' +
                                  extension);
}

void ReportViewer::exportTable() {
    const QByteArray csv = tableAsCsv(*tableOrder_);
    saveToChosenFile(dialogs_, this, exportFolder_,
                     exportRequest(QCoreApplication::translate("ReportViewer", "Сохранить таблицу"),
                                   reportExportName("csv"), QStringLiteral("CSV (*.csv)"),
                                   QStringLiteral("csv")),
                     [&csv](QSaveFile& file) { return writeBytes(file, csv); });
}

void ReportViewer::exportConcordance() {
    if (concordance_->rowCount() == 0) {
        dialogs_.inform(this,
                        QCoreApplication::translate("ReportViewer", "Нет строк для сохранения."));
        return;
    }
    const QByteArray lines = QByteArray::fromStdString(concordance_->tabSeparatedLines());
    saveToChosenFile(dialogs_, this, exportFolder_,
                     exportRequest(QCoreApplication::translate("ReportViewer", "Сохранить строки"),
                                   shownTextExportName("tsv"), QStringLiteral("TSV (*.tsv)"),
                                   QStringLiteral("tsv")),
                     [&lines](QSaveFile& file) { return writeBytes(file, lines); });
}

void ReportViewer::savePlot() {
    if (shownText_.isEmpty()) {
        dialogs_.inform(this, chooseRowText());
        return;
    }
    const QSize size = plot_->titledSize(600);
    saveToChosenFile(
        dialogs_, this, exportFolder_,
        exportRequest(QCoreApplication::translate("ReportViewer", "Сохранить график"),
                      shownTextExportName("png"), QStringLiteral("PNG (*.png);;SVG (*.svg)"),
                      QStringLiteral("png")),
        [this, size](QSaveFile& file) { return writePlot(file, *plot_, size, shownText_); });
}

}  // namespace undertext::ui
