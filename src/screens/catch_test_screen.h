// The nozzle uniformity screen: a catch test over up to 18 nozzles, with red
// Low and High marks beside the nozzles outside the allowed band, and the
// flow per nozzle handed to the calibration rate screen.
#pragma once

#include "core/catch_test.h"
#include "kit/screen_window.h"

#include <array>
#include <optional>

class QComboBox;

namespace zelk {

class CatchChartView;

class CatchTestScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit CatchTestScreen(Services& services);
    ~CatchTestScreen() override;

    void Form_Load() override;
    void Form_Unload() override;

public slots:
    void calculate();
    void reset();
    // The chart on the clipboard as a picture.
    void copyChart();

signals:
    // The l/min per nozzle just shown, for the calibration rate screen.
    void flowCalculated(const QString& litersPerMinute);

private:
    CatchEntries entries() const;
    CatchSummary summary() const;
    void showNozzleTexts(const NozzleTexts& texts);
    // The chart of the last evaluation, checked for wear when a size is
    // chosen; an entry error of the wear check is shown and the chart drawn
    // without it.
    void drawChart();

    // Indexed by nozzle: element k - 1 is nozzle k.
    std::array<QLineEdit*, kNozzleCount> nozzleFields_{}; // Text1(0) ... Text12(6)
    std::array<QLabel*, kNozzleCount> lowMarks_{};        // Low1(0) ... Low1(17)
    std::array<QLabel*, kNozzleCount> highMarks_{};       // High1(0) ... High1(17)

    QLineEdit* variationField_ = nullptr; // percent
    QLineEdit* catchTimeField_ = nullptr; // seconds
    QLineEdit* pressureField_ = nullptr;  // bar
    QLineEdit* averageField_ = nullptr;   // average output, ml
    QLineEdit* minimumField_ = nullptr;   // minimum allowable, ml
    QLineEdit* maximumField_ = nullptr;   // maximum allowable, ml
    QLineEdit* flowField_ = nullptr;      // l/min per nozzle

    CatchChartView* chart_ = nullptr;     // catchChart
    QComboBox* sizeBox_ = nullptr;        // nozzleSize: "Not set", then the nine sizes
    QLineEdit* wearLimitField_ = nullptr; // wearLimit, per cent
    QLabel* wearSummary_ = nullptr;       // wearSummary
    // The last evaluation drawn, with the catch time and pressure it ran
    // with, so a new size or limit redraws it; empty after Reset.
    std::optional<CatchResults> drawn_;
    std::string drawnCatchTime_;
    std::string drawnPressure_;
};

} // namespace zelk
