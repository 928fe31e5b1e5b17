// The catch test as a bar chart: one bar per nozzle that caught anything,
// the allowed band shaded, a line at the average, bars outside the band in
// red like their marks, each bar's deviation above it and its wear mark
// under its number. It paints from its model alone, which tests read back.
#pragma once

#include "core/catch_chart.h"

#include <QWidget>

namespace zelk {

class CatchChartView : public QWidget {
    Q_OBJECT

public:
    explicit CatchChartView(QWidget* parent = nullptr);

    // Draws the model (an empty one empties the chart) and names the
    // nozzles outside the band in the accessible description.
    void setModel(CatchChartModel model);
    const CatchChartModel& model() const { return model_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours the chart draws in, for tests and the legend alike.
    static QColor barColour(const CatchBar& bar);
    static QColor bandColour();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CatchChartModel model_;
};

} // namespace zelk
