// The multiple tank mix screen: one job split over full tank loads and a last,
// partly filled load. Reached only from the tank mix screen.
#pragma once

#include "core/multiple_tank.h"
#include "kit/screen_window.h"

#include <string>
#include <utility>
#include <vector>

class QLabel;

namespace zelk {

class MultipleTankScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit MultipleTankScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

    // Written by the tank mix screen: its total water and its millilitres of
    // product per litre, into Water(0) and the hidden OzPer(0).
    void receiveTankMix(const QString& water, const QString& mlPerLiter);

public slots:
    void solve();

private:
    MultipleTankTexts texts() const;
    void showTexts(const MultipleTankTexts& texts);
    std::vector<std::pair<QLineEdit*, std::string MultipleTankTexts::*>> solvedFields() const;

    QLineEdit* capacityField_ = nullptr;
    QLineEdit* jobWaterField_ = nullptr;
    QLineEdit* jobMlPerLiterField_ = nullptr; // hidden, carries the value across
    QLineEdit* fullLoadsField_ = nullptr;
    QLineEdit* lastLoadField_ = nullptr;
    QLineEdit* fullLoadWaterField_ = nullptr;
    QLineEdit* lastLoadWaterField_ = nullptr;
    QLineEdit* fullLoadMlPerLiterField_ = nullptr;
    QLineEdit* lastLoadMlPerLiterField_ = nullptr;
    QLineEdit* fullLoadProductMlField_ = nullptr;
    QLineEdit* lastLoadProductMlField_ = nullptr;
    QLineEdit* fullLoadProductLitersField_ = nullptr;
    QLineEdit* lastLoadProductLitersField_ = nullptr;
    QLabel* beyondCapacityNote_ = nullptr; // the over-capacity note
};

} // namespace zelk
