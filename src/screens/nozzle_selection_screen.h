// The nozzle selection screen: the flow one nozzle must deliver for a desired
// rate, with the acceptable range to look up in a nozzle chart.
#pragma once

#include "kit/screen_window.h"

namespace zelk {

class NozzleSelectionScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit NozzleSelectionScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void calculate();
    void reset();

private:
    QLineEdit* rateField_ = nullptr;    // desired rate, L/ha
    QLineEdit* speedField_ = nullptr;   // speed, km/h
    QLineEdit* spacingField_ = nullptr; // nozzle spacing, cm
    QLineEdit* flowField_ = nullptr;    // result: l/min per nozzle
    QLineEdit* upperField_ = nullptr;   // result: upper end of the range, "+"
    QLineEdit* lowerField_ = nullptr;   // result: lower end of the range, "-"
};

} // namespace zelk
