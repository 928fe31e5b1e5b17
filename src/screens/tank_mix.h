// The tank mix screen: product per litre of water, total water and total
// product for one spray job, handed on to the multiple tank mix screen.
#pragma once

#include "app/screen_window.h"

namespace zelk {

class Calibrate : public ScreenWindow {
    Q_OBJECT

public:
    explicit Calibrate(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void Command1_Click(); // Calculate
    void Command2_Click(); // Reset
    void Command4_Click(); // Multiple Tank Mix

private:
    QLineEdit* Text1_ = nullptr; // product label rate, ml/ha
    QLineEdit* Text2_ = nullptr; // sprayer calibration rate, l/ha
    QLineEdit* Text8_ = nullptr; // area, ha
    QLineEdit* Text3_ = nullptr; // ml of product per litre of water
    QLineEdit* Text5_ = nullptr; // total water, litres
    QLineEdit* Text6_ = nullptr; // total product, ml
    QLineEdit* Text7_ = nullptr; // total product, litres
};

} // namespace zelk
