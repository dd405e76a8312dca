// Where the lens window goes for a pointer position, by position mode, on the bounding
// rectangle of the virtual screen and its monitors. Pure geometry: the lens applies the result
// to its window.
#pragma once

#include "lens/lens_platform.h"

#include <span>

namespace lenzor {

struct PlacementInput {
    int mode = 0;
    LensRect lens;  // the window's current outer rectangle
    LensPoint pointer;
    LensRect desktop;
    // The lens that moves by itself keeps to the monitor under the pointer, so that it never
    // lands where the bounding rectangle reaches past a smaller monitor and nothing shows it.
    // Empty: the desktop is one monitor.
    std::span<const LensRect> monitors;
    int cornerTrackOffset = 0;
    int leftFixed = 0;
    int topFixed = 0;
    LensRect vacated;  // where the lens stood before it last fled the pointer
};

struct Placement {
    LensPoint topLeft;  // the current position when the lens stays
    MarkerCorner marker = MarkerCorner::mkNone;
    LensRect vacated;
};

// All edges inclusive: the pointer on the right or bottom edge counts as inside.
bool ContainsPoint(const LensRect& rect, LensPoint p);

Placement PlaceForMode(const PlacementInput& in);

}  // namespace lenzor
