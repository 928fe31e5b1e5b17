#include "kit/nozzle_swatch.h"

#include "core/nozzle_chart.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace zelk::ui {

QColor NozzleSizeColour(std::size_t size) {
    // Printed chart colours, in the order of kNozzleSizes.
    static constexpr std::array<QRgb, kNozzleSizeCount> kColours = {
        0xFFF39200, // orange
        0xFF00A651, // green
        0xFFFFE600, // yellow
        0xFFC8A2C8, // lilac
        0xFF0072BC, // blue
        0xFFE30613, // red
        0xFF8B5A2B, // brown
        0xFF9E9E9E, // grey
        0xFFFFFFFF, // white
    };
    return QColor::fromRgb(kColours.at(size));
}

QIcon NozzleSwatch(std::size_t size, int side) {
    // Made once per size and side: every opening of a screen shows them all.
    static QHash<std::pair<std::size_t, int>, QIcon> made;
    const auto key = std::pair{size, side};
    if (const auto found = made.constFind(key); found != made.constEnd())
        return *found;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(NozzleSizeColour(size));
    painter.drawRect(QRect(0, 0, side - 1, side - 1));
    painter.end();
    return made.insert(key, QIcon(pixmap)).value();
}

} // namespace zelk::ui
