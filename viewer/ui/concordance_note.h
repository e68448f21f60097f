#pragma once

#include <QLabel>
#include <QString>

namespace undertext::ui {

// The line above the concordance (object name ConcordanceNote). It shows either a
// message, wrapped over as many lines as it needs, or the caption of the chosen
// row: the word or fragment in «» with its blanks made visible, then what was
// found, on one line. A word or fragment too long for the line is cut short with
// an ellipsis, and the tool tip holds the whole caption. text() is always the
// plain text shown. GUI thread only.
class ConcordanceNote final : public QLabel {
    Q_OBJECT

  public:
    explicit ConcordanceNote(QWidget* parent = nullptr);

    void showMessage(const QString& message);
    // chosen: the word or fragment; found: what follows it (": вхождений 2.").
    void showCaption(const QString& chosen, const QString& found);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // A caption is the one thing shown unwrapped.
    bool isCaption() const { return !wordWrap(); }

    QString chosen_;
    QString found_;
};

}  // namespace undertext::ui
