// The nozzle pressure drop screen: the pressure actually at the nozzles.
#pragma once

#include "kit/screen_window.h"

namespace zelk {

class PressureDropScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit PressureDropScreen(Services& services);

public slots:
    void calculate();

private:
    QLineEdit* chartPressureField_ = nullptr; // bar, from the nozzle chart
    QLineEdit* catchField_ = nullptr;         // actual catch, l/min
    QLineEdit* chartFlowField_ = nullptr;     // l/min, from the nozzle chart
    QLineEdit* pressureField_ = nullptr;      // result: pressure at the nozzles
};

} // namespace zelk
