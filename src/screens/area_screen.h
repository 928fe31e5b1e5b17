// The area calculator: the area of a piece of ground by shape, in square
// metres and hectares. It keeps nothing in the job record.
#pragma once

#include "kit/screen_window.h"

#include <array>

class QComboBox;

namespace zelk {

class ShapeDrawing;

class AreaScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit AreaScreen(Services& services);

    void Form_Load() override;

public slots:
    void showShape();
    void calculate();

private:
    QComboBox* shapeList_ = nullptr;
    std::array<QLabel*, 3> dimensionCaptions_{};  // lbl1 to lbl3
    std::array<QLineEdit*, 3> dimensionFields_{}; // txt1 to txt3
    QLabel* squareMetersResult_ = nullptr;        // square metres
    QLabel* hectaresResult_ = nullptr;            // hectares
    QLabel* formula_ = nullptr;
    std::array<ShapeDrawing*, 7> drawings_{};
};

} // namespace zelk
