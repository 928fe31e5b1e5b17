// The area calculator: the area of a piece of ground by shape, in square
// metres and hectares. It keeps nothing in the job record.
#pragma once

#include "app/screen_window.h"

#include <array>

class QComboBox;

namespace zelk {

class ShapeDrawing;

class frmArea : public ScreenWindow {
    Q_OBJECT

public:
    explicit frmArea(Services& services);

    void Form_Load() override;

public slots:
    void DropShape_Click();
    void Command1_Click();

private:
    QComboBox* DropShape_ = nullptr;
    std::array<QLabel*, 3> captions_{};  // lbl1 to lbl3
    std::array<QLineEdit*, 3> fields_{}; // txt1 to txt3
    QLabel* txtArea_ = nullptr;          // square metres
    QLabel* txtAcres_ = nullptr;         // hectares
    QLabel* TxtFormula_ = nullptr;
    std::array<ShapeDrawing*, 7> drawings_{};
};

} // namespace zelk
