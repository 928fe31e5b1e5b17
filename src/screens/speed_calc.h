// The travel speed screen: km/h from a timed run, handed to the calibration
// rate screen on every successful calculation.
#pragma once

#include "app/screen_window.h"

namespace zelk {

class speedCalc : public ScreenWindow {
    Q_OBJECT

public:
    explicit speedCalc(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void Command1_Click();

private:
    QLineEdit* Text1_ = nullptr; // distance, m
    QLineEdit* Text2_ = nullptr; // time, s
    QLineEdit* Text3_ = nullptr; // result, km/h
};

} // namespace zelk
