// The calibration rate screen: litres per hectare from the flow of one
// nozzle, the travel speed and the nozzle spacing.
#pragma once

#include "kit/screen_window.h"

namespace zelk {

class RateScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit RateScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

    // Hand-offs: the catch test's flow per nozzle and the speed calculator's km/h.
    void receiveFlow(const QString& litersPerMinute);
    void receiveSpeed(const QString& kmh);

public slots:
    void calculate();

private:
    Outcome<std::string> rate() const;
    // After a hand-off: the rate of the fields as they now stand, or none.
    void refresh();

    QLineEdit* flowField_ = nullptr;    // l/min per nozzle
    QLineEdit* speedField_ = nullptr;   // km/h
    QLineEdit* spacingField_ = nullptr; // nozzle spacing, cm
    QLineEdit* rateField_ = nullptr;    // result, L/ha
};

} // namespace zelk
