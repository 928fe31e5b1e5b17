// Line drawings of the area calculator's shapes with their marked
// dimensions, painted in code so they stay crisp at any size.
#pragma once

#include <QWidget>

namespace zelk {

class ShapeDrawing : public QWidget {
    Q_OBJECT

public:
    enum class Kind {
        Circle,
        Triangle,
        RightTriangle,
        Square,
        Rectangle,
        Parallelogram,
        Trapezoid
    };

    // `inset` keeps the drawing clear of a neighbour its area overlaps.
    ShapeDrawing(Kind kind, const QString& name, QWidget* parent, int inset = 0);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    int inset_;
};

} // namespace zelk
