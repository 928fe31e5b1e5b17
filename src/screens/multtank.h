// The multiple tank mix screen: one job split over full tank loads and a last,
// partly filled load. Reached only from the tank mix screen.
#pragma once

#include "app/screen_window.h"
#include "calc/multtank.h"

class QLabel;

namespace zelk {

class Multtank : public ScreenWindow {
    Q_OBJECT

public:
    explicit Multtank(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

    // Written by the tank mix screen: its total water and its millilitres of
    // product per litre, into Water(0) and the hidden OzPer(0).
    void setTankMix(const QString& water, const QString& mlPerLiter);

public slots:
    void Command1_Click();

private:
    MulttankTexts texts() const;
    void showTexts(const MulttankTexts& texts);

    QLineEdit* Tank_ = nullptr;
    QLineEdit* Water0_ = nullptr;
    QLineEdit* OzPer0_ = nullptr; // hidden, carries the value across
    QLineEdit* Text1_0_ = nullptr;
    QLineEdit* Text1_1_ = nullptr;
    QLineEdit* Water1_ = nullptr;
    QLineEdit* Water2_ = nullptr;
    QLineEdit* OzPer1_ = nullptr;
    QLineEdit* OzPer2_ = nullptr;
    QLineEdit* ProductOZ1_ = nullptr;
    QLineEdit* ProductOZ2_ = nullptr;
    QLineEdit* ProductGal1_ = nullptr;
    QLineEdit* ProductGal2_ = nullptr;
    QLabel* Label3_ = nullptr; // the over-capacity note
};

} // namespace zelk
