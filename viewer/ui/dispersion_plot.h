#pragma once

#include <cstdint>
#include <vector>

#include "common/core/text/source_span.h"
#include "viewer/ui/plot_widget.h"

namespace undertext::ui {

// A strip as wide as the text with a tick where each occurrence starts, and a
// caption with the count and the text's length in characters.
class DispersionPlot final : public PlotWidget {
    Q_OBJECT

  public:
    explicit DispersionPlot(QWidget* parent = nullptr);

    void show(const std::vector<SourceSpan>& spans, std::uint64_t textLength);
    void clear();

    const std::vector<double>& ticks() const { return ticks_; }  // each in [0, 1]
    QString caption() const;

    void draw(QPainter& painter, QSize size, const QString& title = {}) const override;
    QSize sizeHint() const override;

  private:
    std::vector<double> ticks_;
    std::uint64_t textLength_ = 0;
    bool shown_ = false;
};

}  // namespace undertext::ui
