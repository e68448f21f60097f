#pragma once

#include <cstdint>
#include <vector>

#include <QAbstractListModel>
#include <QFile>
#include <QString>

namespace undertext::ui {

// The lines of a report file (Windows-1251) as a list model over the file
// mapped into memory: nothing is loaded whole. One scan notes where every
// sixteenth line starts (8 bytes per 16 lines); a line is decoded only when
// shown. A line longer than kShownLineLength characters is shown cut. A file
// that cannot be read gives no lines and isOpen() false. GUI thread only.
class ReportLinesModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr qsizetype kShownLineLength = 4000;

    explicit ReportLinesModel(const QString& path, QObject* parent = nullptr);

    bool isOpen() const { return bytes_ != nullptr; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The line decoded to text, cut as it is shown.
    QString line(int row) const;
    // The first row at or after from (wrapping round) whose line holds text,
    // letter case ignored; -1 when none does.
    int find(const QString& text, int from) const;

  private:
    static constexpr int kLinesPerMark = 16;

    QFile file_;
    const char* bytes_ = nullptr;
    qint64 size_ = 0;
    std::vector<qint64> marks_;  // the start of lines 0, 16, 32, ...
    int lineCount_ = 0;
};

}  // namespace undertext::ui
