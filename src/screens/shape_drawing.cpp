#include "screens/shape_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace zelk {

namespace {

const QColor kOutline(0x22, 0x22, 0x22);
const QColor kFill(0xE6, 0xF2, 0xDF);
const QColor kDimension(0x1F, 0x5F, 0xA8);

// Each shape is drawn on a design canvas of its own proportions; the canvas
// is scaled to fit the widget, so the drawing never distorts.
QSizeF canvasOf(ShapeDrawing::Kind kind) {
    switch (kind) {
    case ShapeDrawing::Kind::Circle:
        return {100, 100};
    case ShapeDrawing::Kind::Triangle:
    case ShapeDrawing::Kind::RightTriangle:
        return {112, 100};
    case ShapeDrawing::Kind::Square:
        return {108, 106};
    case ShapeDrawing::Kind::Rectangle:
        return {164, 98};
    case ShapeDrawing::Kind::Parallelogram:
        return {160, 104};
    case ShapeDrawing::Kind::Trapezoid:
        return {160, 110};
    }
    return {100, 100};
}

class Sketch {
public:
    explicit Sketch(QPainter& painter) : p_(painter) {}

    void outline(const QPolygonF& shape) {
        p_.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(kFill);
        p_.drawPolygon(shape);
    }

    void outline(const QRectF& ellipse) {
        p_.setPen(QPen(kOutline, 2));
        p_.setBrush(kFill);
        p_.drawEllipse(ellipse);
    }

    // A measured line with arrowheads at both ends and its letter beside it,
    // on the side the normal offset points to.
    void dimension(QPointF from, QPointF to, const QString& letter, QPointF labelOffset) {
        p_.setPen(QPen(kDimension, 1.2, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(from, to);
        arrowhead(to, from);
        arrowhead(from, to);
        label((from + to) / 2 + labelOffset, letter);
    }

    // A dashed helper line, such as a height standing inside a shape.
    void guide(QPointF from, QPointF to) {
        p_.setPen(QPen(kDimension, 1, Qt::DashLine));
        p_.drawLine(from, to);
    }

    // The small square that marks a right angle at `corner`, opening towards
    // the two unit directions given.
    void rightAngle(QPointF corner, QPointF along1, QPointF along2) {
        const qreal s = 7;
        p_.setPen(QPen(kDimension, 1));
        p_.setBrush(Qt::NoBrush);
        QPainterPath mark;
        mark.moveTo(corner + along1 * s);
        mark.lineTo(corner + along1 * s + along2 * s);
        mark.lineTo(corner + along2 * s);
        p_.drawPath(mark);
    }

private:
    void arrowhead(QPointF tip, QPointF tail) {
        const QPointF d = tip - tail;
        const qreal length = std::hypot(d.x(), d.y());
        if (length <= 0)
            return;
        const QPointF u = d / length;
        const QPointF n(-u.y(), u.x());
        const qreal size = 5;
        QPolygonF head;
        head << tip << tip - u * size + n * size * 0.45 << tip - u * size - n * size * 0.45;
        p_.setPen(Qt::NoPen);
        p_.setBrush(kDimension);
        p_.drawPolygon(head);
        p_.setPen(QPen(kDimension, 1.2, Qt::SolidLine, Qt::FlatCap));
    }

    void label(QPointF centre, const QString& letter) {
        QFont font = p_.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPixelSize(13);
        p_.setFont(font);
        p_.setPen(kDimension);
        const QRectF box(centre - QPointF(12, 9), QSizeF(24, 18));
        p_.drawText(box, Qt::AlignCenter, letter);
    }

    QPainter& p_;
};

void drawCircle(Sketch& s) {
    s.outline(QRectF(12, 12, 76, 76));
    s.dimension({14, 50}, {86, 50}, QStringLiteral("d"), {0, -9});
}

void drawTriangle(Sketch& s) {
    const QPointF apex(55, 10), left(12, 70), right(98, 70);
    s.outline(QPolygonF({apex, right, left}));
    s.guide(apex, {55, 70});
    s.rightAngle({55, 70}, {1, 0}, {0, -1});
    s.dimension({55, 12}, {55, 68}, QStringLiteral("h"), {-9, 0});
    s.dimension({12, 80}, {98, 80}, QStringLiteral("b"), {0, 8});
}

void drawRightTriangle(Sketch& s) {
    const QPointF top(30, 10), corner(30, 70), right(106, 70);
    s.outline(QPolygonF({top, corner, right}));
    s.rightAngle(corner, {1, 0}, {0, -1});
    s.dimension({19, 10}, {19, 70}, QStringLiteral("h"), {-8, 0});
    s.dimension({30, 80}, {106, 80}, QStringLiteral("b"), {0, 8});
}

void drawSquare(Sketch& s) {
    s.outline(QPolygonF(QRectF(8, 8, 70, 70)));
    s.dimension({8, 86}, {78, 86}, QStringLiteral("l"), {0, 9});
    s.dimension({88, 8}, {88, 78}, QStringLiteral("w"), {9, 0});
}

void drawRectangle(Sketch& s) {
    s.outline(QPolygonF(QRectF(10, 8, 124, 62)));
    s.dimension({10, 78}, {134, 78}, QStringLiteral("l"), {0, 9});
    s.dimension({144, 8}, {144, 70}, QStringLiteral("w"), {9, 0});
}

void drawParallelogram(Sketch& s) {
    const QPointF bl(10, 76), br(118, 76), tr(148, 14), tl(40, 14);
    s.outline(QPolygonF({bl, br, tr, tl}));
    s.guide(tl, {40, 76});
    s.rightAngle({40, 76}, {1, 0}, {0, -1});
    s.dimension({40, 16}, {40, 74}, QStringLiteral("h"), {8, -8});
    s.dimension({10, 86}, {118, 86}, QStringLiteral("b"), {0, 8});
}

void drawTrapezoid(Sketch& s) {
    const QPointF bl(10, 80), br(150, 80), tr(112, 30), tl(44, 30);
    s.outline(QPolygonF({bl, br, tr, tl}));
    s.guide(tl, {44, 80});
    s.rightAngle({44, 80}, {1, 0}, {0, -1});
    s.dimension({44, 32}, {44, 78}, QStringLiteral("h"), {8, 0});
    s.dimension({44, 20}, {112, 20}, QStringLiteral("b2"), {0, -9});
    s.dimension({10, 90}, {150, 90}, QStringLiteral("b1"), {0, 9});
}

} // namespace

ShapeDrawing::ShapeDrawing(Kind kind, const QString& name, QWidget* parent, int inset)
    : QWidget(parent), kind_(kind), inset_(inset) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize ShapeDrawing::sizeHint() const {
    const QSizeF canvas = canvasOf(kind_) * 1.5;
    return QSize(qRound(canvas.width()) + inset_, qRound(canvas.height()));
}

void ShapeDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QSizeF canvas = canvasOf(kind_);
    const QRectF room = QRectF(rect()).adjusted(inset_, 0, 0, 0);
    const qreal scale = std::min(room.width() / canvas.width(), room.height() / canvas.height());
    if (scale <= 0)
        return;
    painter.translate(room.left() + (room.width() - canvas.width() * scale) / 2,
                      room.top() + (room.height() - canvas.height() * scale) / 2);
    painter.scale(scale, scale);

    // Pens are given in canvas units, so line weights grow with the drawing.
    Sketch sketch(painter);
    switch (kind_) {
    case Kind::Circle:
        drawCircle(sketch);
        break;
    case Kind::Triangle:
        drawTriangle(sketch);
        break;
    case Kind::RightTriangle:
        drawRightTriangle(sketch);
        break;
    case Kind::Square:
        drawSquare(sketch);
        break;
    case Kind::Rectangle:
        drawRectangle(sketch);
        break;
    case Kind::Parallelogram:
        drawParallelogram(sketch);
        break;
    case Kind::Trapezoid:
        drawTrapezoid(sketch);
        break;
    }
}

} // namespace zelk
