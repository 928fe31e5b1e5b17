// The nozzle selection screen: the flow one nozzle must deliver for a desired
// rate, with the acceptable range to look up in a nozzle chart, and beside
// it that chart: the pressure at which each size gives the flow, within a
// working pressure range and for the liquid's density.
#pragma once

#include "kit/screen_window.h"

class QGroupBox;
class QTableWidget;

namespace zelk {

class NozzleSelectionScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit NozzleSelectionScreen(Services& services);
    ~NozzleSelectionScreen() override;

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void calculate();
    void reset();
    // The chart for the flow shown and the panel's entries; an entry error
    // is shown and empties the chart.
    void updateChart();

private:
    QLineEdit* rateField_ = nullptr;    // desired rate, L/ha
    QLineEdit* speedField_ = nullptr;   // speed, km/h
    QLineEdit* spacingField_ = nullptr; // nozzle spacing, cm
    QLineEdit* flowField_ = nullptr;    // result: l/min per nozzle
    QLineEdit* upperField_ = nullptr;   // result: upper end of the range, "+"
    QLineEdit* lowerField_ = nullptr;   // result: lower end of the range, "-"

    QGroupBox* buildChartPanel();
    void clearChart();

    QLineEdit* densityField_ = nullptr;  // densityEntry, kg/L
    QLineEdit* lowestField_ = nullptr;   // lowestPressureEntry, bar
    QLineEdit* highestField_ = nullptr;  // highestPressureEntry, bar
    QTableWidget* chartTable_ = nullptr; // chartTable: colour, size, pressure
    QLabel* recommendation_ = nullptr;   // recommendation
};

} // namespace zelk
