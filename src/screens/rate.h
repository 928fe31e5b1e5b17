// The calibration rate screen: litres per hectare from the flow of one
// nozzle, the travel speed and the nozzle spacing.
#pragma once

#include "app/screen_window.h"

namespace zelk {

class Rate : public ScreenWindow {
    Q_OBJECT

public:
    explicit Rate(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

    // Written from outside: the catch test's flow and the speed calculator's km/h.
    void setText1(const QString& text);
    void setText2(const QString& text);

public slots:
    void Command1_Click();

private:
    QLineEdit* Text1_ = nullptr; // l/min per nozzle
    QLineEdit* Text2_ = nullptr; // km/h
    QLineEdit* Text3_ = nullptr; // nozzle spacing, cm
    QLineEdit* Text4_ = nullptr; // result, L/ha
};

} // namespace zelk
