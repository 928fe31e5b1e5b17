// The nozzle pressure drop screen: the pressure actually at the nozzles.
#pragma once

#include "app/screen_window.h"

namespace zelk {

class pressdrop : public ScreenWindow {
    Q_OBJECT

public:
    explicit pressdrop(Services& services);

public slots:
    void Command1_Click();

private:
    QLineEdit* Text1_; // chart pressure
    QLineEdit* Text2_; // actual catch
    QLineEdit* Text3_; // chart flow
    QLineEdit* Text4_; // result
};

} // namespace zelk
