// The travel speed screen: km/h from a timed run, handed to the calibration
// rate screen on every successful calculation.
#pragma once

#include "kit/screen_window.h"

namespace zelk {

class SpeedScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit SpeedScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void calculate();

signals:
    // The km/h just shown, for the calibration rate screen.
    void speedCalculated(const QString& kmh);

private:
    QLineEdit* distanceField_ = nullptr; // metres
    QLineEdit* timeField_ = nullptr;     // seconds
    QLineEdit* speedField_ = nullptr;    // result, km/h
};

} // namespace zelk
