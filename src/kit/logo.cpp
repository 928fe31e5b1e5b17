#include "kit/logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelk {

namespace {

void paintLogo(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = r.width();
    const QPointF o = r.topLeft();
    auto at = [&](qreal x, qreal y) { return o + QPointF(x * s, y * s); };

    // Sky disc and field.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xF4, 0xFF));
    p.drawEllipse(r.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02));
    QPainterPath field;
    field.moveTo(at(0.06, 0.70));
    field.cubicTo(at(0.30, 0.62), at(0.70, 0.62), at(0.94, 0.70));
    field.arcTo(QRectF(at(0.02, 0.02), QSizeF(s * 0.96, s * 0.96)), -15, -150);
    field.closeSubpath();
    p.setBrush(QColor(0x3C, 0x8D, 0x2F));
    p.drawPath(field);

    // Boom and nozzle.
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawRoundedRect(QRectF(at(0.18, 0.20), QSizeF(s * 0.64, s * 0.07)), s * 0.02, s * 0.02);
    p.setBrush(QColor(0xD9, 0x3A, 0x1E));
    QPainterPath nozzle;
    nozzle.moveTo(at(0.44, 0.27));
    nozzle.lineTo(at(0.56, 0.27));
    nozzle.lineTo(at(0.53, 0.36));
    nozzle.lineTo(at(0.47, 0.36));
    nozzle.closeSubpath();
    p.drawPath(nozzle);

    // Spray fan of droplets.
    p.setBrush(QColor(0x1E, 0x7B, 0xD9));
    const qreal drops[][3] = {{0.50, 0.44, 0.030}, {0.40, 0.50, 0.028}, {0.60, 0.50, 0.028},
                              {0.31, 0.58, 0.025}, {0.50, 0.55, 0.026}, {0.69, 0.58, 0.025}};
    for (const auto& d : drops)
        p.drawEllipse(at(d[0], d[1]), s * d[2], s * d[2] * 1.3);

    p.setPen(QPen(QColor(0x1F, 0x4E, 0x1A), s * 0.03));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02));
}

} // namespace

Logo::Logo(QWidget* parent, int size) : QWidget(parent), size_(size) {
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(size, size);
}

QSize Logo::sizeHint() const {
    return {size_, size_};
}

QIcon Logo::icon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paintLogo(p, QRectF(0, 0, side, side));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Logo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal side = qMin(width(), height());
    paintLogo(p, QRectF((width() - side) / 2, (height() - side) / 2, side, side));
}

} // namespace zelk
