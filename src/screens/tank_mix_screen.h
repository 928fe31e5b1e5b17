// The tank mix screen: product per litre of water, total water and total
// product for one spray job, handed on to the multiple tank mix screen.
#pragma once

#include "kit/screen_window.h"

namespace zelk {

class TankMixScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit TankMixScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void calculate();
    void reset();
    // "Multiple Tank Mix": hands the job's water and mix on.
    void openMultipleTank();

signals:
    void multipleTankRequested(const QString& waterLiters, const QString& mlPerLiter);

private:
    QLineEdit* productRateField_ = nullptr;   // product label rate, ml/ha
    QLineEdit* sprayerRateField_ = nullptr;   // sprayer calibration rate, l/ha
    QLineEdit* areaField_ = nullptr;          // area, ha
    QLineEdit* mlPerLiterField_ = nullptr;    // ml of product per litre of water
    QLineEdit* waterField_ = nullptr;         // total water, litres
    QLineEdit* productMlField_ = nullptr;     // total product, ml
    QLineEdit* productLitersField_ = nullptr; // total product, litres
};

} // namespace zelk
