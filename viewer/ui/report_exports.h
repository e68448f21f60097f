#pragma once

#include <functional>

#include <QByteArray>
#include <QSize>
#include <QString>

class QAbstractItemModel;
class QSaveFile;
class QWidget;

namespace undertext::ui {

class Dialogs;
class ExportFolder;
class PlotWidget;
struct SaveFileRequest;

// What the report viewer saves for other programs. GUI thread only.

// A CSV field: quoted when it holds a comma, a quote or a line break, quotes doubled.
QString csvField(const QString& text);

// The table as shown (its order and filter), its header first, as CSV in UTF-8
// with a byte-order mark and CR LF line ends: a spreadsheet opens it as it is.
QByteArray tableAsCsv(const QAbstractItemModel& shown);

// Draws the plot at size into file, under a line with title: an SVG document
// (also titled title) when the file's name ends in ".svg" (letter case ignored),
// else a PNG image. False when the drawing could not be written.
bool writePlot(QSaveFile& file, const PlotWidget& plot, QSize size, const QString& title);

// Writes bytes whole; false when the device took less.
bool writeBytes(QSaveFile& file, const QByteArray& bytes);

// Asks for a file in the save dialog, started in the export folder, and has write
// fill it; the file replaces one of its name only once complete, and its folder is
// remembered as the export folder. A file or memory file that cannot be written is
// named in an information box. Nothing happens when the dialog is cancelled.
void saveToChosenFile(Dialogs& dialogs, QWidget* parent, const ExportFolder& folder,
                      SaveFileRequest request, const std::function<bool(QSaveFile&)>& write);

}  // namespace undertext::ui
