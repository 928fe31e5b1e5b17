#include "core/window_placement.h"

#include <algorithm>
#include <utility>

namespace zelk {

namespace {
// Start and length along one side: onto [low, low + room), shrunk to the
// room but not below the minimum.
void FitSpan(int& start, int& length, int low, int room, int minimum) {
    length = std::max(std::min(length, room), minimum);
    if (length >= room) {
        start = low;
        return;
    }
    start = std::clamp(start, low, low + room - length);
}
} // namespace

bool Contains(const Box& outer, const Box& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

Box FitInside(Box window, const Box& available, int minimumWidth, int minimumHeight) {
    FitSpan(window.x, window.width, available.x, available.width, minimumWidth);
    FitSpan(window.y, window.height, available.y, available.height, minimumHeight);
    return window;
}

Box PlaceBesideMenu(const Box& menu, int width, int height, const Box& available,
                    const std::vector<Box>& open, int minimumWidth, int minimumHeight) {
    const Box first =
        FitInside(Box{menu.x, menu.y, width, height}, available, minimumWidth, minimumHeight);
    // The cascade runs away from the menu: rightwards from its right side or
    // from the free area's left edge, leftwards otherwise.
    Box base = first;
    int stepX = kCascadeStep;
    if (menu.right() + first.width <= available.right()) {
        base.x = menu.right();
    } else if (menu.x - first.width >= available.x) {
        base.x = menu.x - first.width;
        stepX = -kCascadeStep;
    } else if (available.right() - menu.right() >= menu.x - available.x) {
        base.x = available.right() - first.width;
        stepX = -kCascadeStep;
    } else {
        base.x = available.x;
    }

    // The places the cascade has before it would leave the free area, the
    // first at least; a second round lies half a step off the first, where
    // there is room for it.
    const int roomDown = available.bottom() - base.bottom();
    const int roomAcross = stepX > 0 ? available.right() - base.right() : base.x - available.x;
    const int room = std::min(roomDown, roomAcross);
    constexpr int kHalfStep = kCascadeStep / 2;
    const int rounds = room >= kHalfStep ? 2 : 1;
    const auto placesIn = [&](int round) {
        return 1 + std::max(0, (room - round * kHalfStep) / kCascadeStep);
    };

    const auto placeAt = [&](int round, int index) {
        const int offset = index * kCascadeStep + round * kHalfStep;
        Box place = base;
        place.x += stepX > 0 ? offset : -offset;
        place.y += offset;
        return FitInside(place, available, minimumWidth, minimumHeight);
    };
    // Windows of one cascade line up by the corner nearest the menu: the
    // top left going rightwards, the top right going leftwards, so that
    // windows of different sizes still take one place each.
    const auto corner = [stepX](const Box& box) {
        return std::pair{stepX > 0 ? box.x : box.right(), box.y};
    };
    for (int round = 0; round < rounds; ++round) {
        for (int index = 0; index < placesIn(round); ++index) {
            const Box place = placeAt(round, index);
            const bool taken = std::any_of(open.begin(), open.end(), [&](const Box& window) {
                return corner(window) == corner(place);
            });
            if (!taken)
                return place;
        }
    }
    return placeAt(0, static_cast<int>(open.size()) % placesIn(0));
}

} // namespace zelk
