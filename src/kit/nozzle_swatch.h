// The ISO colour of each nozzle size, as a colour and as a small swatch for
// lists and tables, so an operator matches the screen to the nozzle in hand.
#pragma once

#include <QColor>
#include <QIcon>

#include <cstddef>

namespace zelk::ui {

// The colour of kNozzleSizes[size].
QColor NozzleSizeColour(std::size_t size);
// A square of that colour with a dark edge (white nozzles stay visible on a
// white list), `side` pixels wide.
QIcon NozzleSwatch(std::size_t size, int side);

} // namespace zelk::ui
