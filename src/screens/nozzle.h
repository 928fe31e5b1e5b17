// The nozzle uniformity screen: a catch test over up to 18 nozzles, with red
// Low and High marks beside the nozzles outside the allowed band, and the
// flow per nozzle handed to the calibration rate screen.
#pragma once

#include "app/screen_window.h"
#include "calc/nozzle.h"

#include <array>

namespace zelk {

class Nozzle : public ScreenWindow {
    Q_OBJECT

public:
    explicit Nozzle(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void Command1_Click(); // Calculate
    void Command2_Click(); // Reset

private:
    CatchEntries entries() const;
    CatchSummary summary() const;
    void showNozzleTexts(const NozzleTexts& texts);

    // Indexed by nozzle: element k - 1 is nozzle k.
    std::array<QLineEdit*, kNozzleCount> nozzleFields_{}; // Text1(0) ... Text12(6)
    std::array<QLabel*, kNozzleCount> Label1_{};
    std::array<QLabel*, kNozzleCount> Low1_{};
    std::array<QLabel*, kNozzleCount> High1_{};

    QLineEdit* Text16_ = nullptr;        // variation, %
    std::array<QLineEdit*, 2> Text17_{}; // catch time (s), pressure (bar)
    QLineEdit* Text13_ = nullptr;        // average output, ml
    QLineEdit* Text14_ = nullptr;        // minimum allowable, ml
    QLineEdit* Text15_ = nullptr;        // maximum allowable, ml
    QLineEdit* Text18_ = nullptr;        // l/min per nozzle
};

} // namespace zelk
