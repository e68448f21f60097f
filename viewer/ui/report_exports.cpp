#include "viewer/ui/report_exports.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "viewer/ui/export_folder.h"
#include "viewer/ui/plot_widget.h"

namespace undertext::ui {
namespace {

// One line of CSV fields, ended by CR LF.
QString csvLine(const QStringList& cells) {
    QStringList fields;
    for (const auto& cell : cells) {
        fields.append(csvField(cell));
    }
    return fields.join(u',') + QStringLiteral("\r\n");
}

}  // namespace

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray tableAsCsv(const QAbstractItemModel& shown) {
    const int columns = shown.columnCount();
    QStringList header;
    for (int column = 0; column < columns; ++column) {
        header.append(shown.headerData(column, Qt::Horizontal).toString());
    }
    QString csv = csvLine(header);
    for (int row = 0; row < shown.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column) {
            cells.append(shown.index(row, column).data().toString());
        }
        csv += csvLine(cells);
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

bool writePlot(QSaveFile& file, const PlotWidget& plot, QSize size, const QString& title) {
    if (file.fileName().endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        plot.draw(painter, size, title);
        return painter.end();
    }
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    plot.draw(painter, size, title);
    painter.end();
    return image.save(&file, "PNG");
}

bool writeBytes(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

void saveToChosenFile(Dialogs& dialogs, QWidget* parent, const ExportFolder& folder,
                      SaveFileRequest request, const std::function<bool(QSaveFile&)>& write) {
    request.initialFolder = folder.initial();
    const auto chosen = dialogs.chooseFileToSave(parent, request);
    if (!chosen) {
        return;
    }
    QSaveFile file(chosen->file);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        dialogs.inform(parent,
                       QCoreApplication::translate("ReportExports", "Не удалось записать файл %1.")
                           .arg(chosen->file));
        return;
    }
    const auto remembered = folder.remember(chosen->file);
    if (!remembered) {
        dialogs.inform(parent, shownMessage(remembered.error()));
    }
}

}  // namespace undertext::ui
