#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include "common/core/text/source_span.h"

class QPainter;

namespace undertext::ui {

// A strip as wide as the text with a tick where each occurrence starts, and a
// caption with the count and the text's length in characters.
class DispersionPlot final : public QWidget {
    Q_OBJECT

  public:
    explicit DispersionPlot(QWidget* parent = nullptr);

    void show(const std::vector<SourceSpan>& spans, std::uint64_t textLength);
    void clear();

    const std::vector<double>& ticks() const { return ticks_; }  // each in [0, 1]
    QString caption() const;

    // Draws the plot on a surface of the given size (the widget, a PNG, an SVG),
    // under a line with the title in «» when there is one (an exported plot).
    void draw(QPainter& painter, QSize size, const QString& title = {}) const;
    // The size of an exported plot: at least minimumWidth wide, as high as the
    // widget and a title line.
    QSize titledSize(int minimumWidth) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<double> ticks_;
    std::uint64_t textLength_ = 0;
    bool shown_ = false;
};

}  // namespace undertext::ui
