// The nozzle selection screen: the flow one nozzle must deliver for a desired
// rate, with the acceptable range to look up in a nozzle chart.
#pragma once

#include "app/screen_window.h"

#include <array>

namespace zelk {

class Nozzleoutput : public ScreenWindow {
    Q_OBJECT

public:
    explicit Nozzleoutput(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    QLineEdit* Text1_ = nullptr; // desired rate, L/ha
    QLineEdit* Text2_ = nullptr; // speed, km/h
    QLineEdit* Text3_ = nullptr; // nozzle spacing, cm
    // Text4(0) flow, Text4(1) upper end, Text4(2) lower end.
    std::array<QLineEdit*, 3> Text4_{};
};

} // namespace zelk
