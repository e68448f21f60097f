#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace undertext::ui {

// A plot that draws itself alike on the screen and into an export (a PNG, an SVG):
// an exported plot has a line with its title in «» above it.
class PlotWidget : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    // Draws the plot on a surface of the given size, under the title line when
    // there is a title.
    virtual void draw(QPainter& painter, QSize size, const QString& title = {}) const = 0;
    // The size of an exported plot: at least minimumWidth wide, as high as the
    // widget and a title line.
    QSize titledSize(int minimumWidth) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Fills the surface white and draws the title line, when there is a title, at
    // its top; returns where the plot below it starts.
    static int drawBackgroundAndTitle(QPainter& painter, QSize size, const QString& title);
};

}  // namespace undertext::ui
