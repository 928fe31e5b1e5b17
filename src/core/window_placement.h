// Where a window opens: wholly inside the free area of the screen (the area
// panels and docks leave), and, for the windows opened from the main menu,
// beside the menu and cascaded, so that none opens on top of another. Boxes
// are outer boxes, the window frame included, in the screen's coordinates.
#pragma once

#include <vector>

namespace zelk {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool operator==(const Box&) const = default;
};

// Whether inner lies wholly within outer.
bool Contains(const Box& outer, const Box& inner);

// The box moved right or down onto the free area where it starts before it,
// then up or left where it runs past its end; shrunk to the free area only
// where it is larger, but never below the smallest size the window takes
// (such a window starts at the free area's top left corner).
Box FitInside(Box window, const Box& available, int minimumWidth = 0, int minimumHeight = 0);

// How far each window of a cascade lies below the one before, and across.
inline constexpr int kCascadeStep = 32;

// A window of the given outer size opened from the menu: right of the menu
// where it fits there, else left of it, else against the side of the free
// area with more room beside the menu; level with the menu's top. From
// there the cascade steps down and away from the menu; windows already open
// hold places of it (by the top corner nearest the menu), and the first
// place no open window holds is used. A second round of places lies half
// a step off the first; when every place is taken, the cascade starts
// over. The result is fitted inside the free area.
Box PlaceBesideMenu(const Box& menu, int width, int height, const Box& available,
                    const std::vector<Box>& open, int minimumWidth = 0, int minimumHeight = 0);

} // namespace zelk
