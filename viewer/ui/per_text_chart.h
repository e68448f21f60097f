#pragma once

#include <vector>

#include <QString>

#include "viewer/ui/plot_widget.h"

namespace undertext::ui {

// A bar for each text of a corpus: how often the chosen word or fragment stands
// in it per million letters of the text, or its bare count where the text could
// not be read (drawn hatched, and the caption says so).
class PerTextChart final : public PlotWidget {
    Q_OBJECT

  public:
    struct Bar {
        QString text;  // the text's name
        double value = 0;
        bool perMillion = true;  // false: the bare count
    };

    explicit PerTextChart(QWidget* parent = nullptr);

    void show(std::vector<Bar> bars);
    void clear();

    const std::vector<Bar>& bars() const { return bars_; }
    QString caption() const;

    void draw(QPainter& painter, QSize size, const QString& title = {}) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    std::vector<Bar> bars_;
};

}  // namespace undertext::ui
