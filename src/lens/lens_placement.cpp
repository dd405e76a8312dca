#include "lens/lens_placement.h"

#include "lens/lens_modes.h"

#include <algorithm>
#include <cstdint>

namespace lenzor {
namespace {

// The fixed modes keep at least a 20-pixel strip of the lens on the screen at the right and
// bottom; negative coordinates are left alone.
constexpr int kFixedMargin = 20;

// Offsets and fixed coordinates come unchecked from a hand-edited settings file, so sums are
// taken in 64 bits, and a position is kept within this distance of the origin: far off any
// screen, yet a window size added to it still fits an int everywhere the system stores it.
constexpr int64_t kCoordinateLimit = int64_t{1} << 24;

int Coordinate(int64_t value) {
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

int64_t WidthOf(const LensRect& r) {
    return int64_t{r.right} - r.left;
}
int64_t HeightOf(const LensRect& r) {
    return int64_t{r.bottom} - r.top;
}

bool FitsOnDesktop(const LensRect& d, int64_t width, int64_t height, int64_t left, int64_t top) {
    return left >= d.left && top >= d.top && left + width <= d.right && top + height <= d.bottom;
}

LensPoint FixedHome(const PlacementInput& in) {
    return {Coordinate(std::min<int64_t>(in.leftFixed, int64_t{in.desktop.right} - kFixedMargin)),
            Coordinate(std::min<int64_t>(in.topFixed, int64_t{in.desktop.bottom} - kFixedMargin))};
}

int64_t DistanceSquared(const LensRect& r, LensPoint p) {
    const int64_t dx = std::max<int64_t>({int64_t{r.left} - p.x, int64_t{p.x} - r.right + 1, 0});
    const int64_t dy = std::max<int64_t>({int64_t{r.top} - p.y, int64_t{p.y} - r.bottom + 1, 0});
    return dx * dx + dy * dy;
}

// The monitor that shows the pointer; for a pointer on none (the system confines it, a test
// need not) the nearest, the primary among equals.
const LensRect& PointerMonitor(const PlacementInput& in) {
    const LensRect* best = &in.desktop;
    int64_t bestDistance = -1;
    for (const LensRect& monitor : in.monitors) {
        const int64_t distance = DistanceSquared(monitor, in.pointer);
        if (bestDistance < 0 || distance < bestDistance) {
            best = &monitor;
            bestDistance = distance;
        }
    }
    return *best;
}

void PlaceCornerTracker(const PlacementInput& in, Placement& out) {
    const int64_t w = WidthOf(in.lens);
    const int64_t h = HeightOf(in.lens);
    const int64_t off = in.cornerTrackOffset;
    const int64_t x = in.pointer.x;
    const int64_t y = in.pointer.y;
    const LensRect& d = PointerMonitor(in);
    // A position that fits lies on the desktop, so it is a valid coordinate as it is.
    auto tryPlace = [&](int64_t left, int64_t top) {
        if (!FitsOnDesktop(d, w, h, left, top)) {
            return false;
        }
        out.topLeft = {Coordinate(left), Coordinate(top)};
        return true;
    };
    if (tryPlace(x + off, y + off)) {
        out.marker = MarkerCorner::mkTopLeft;
    } else if (tryPlace(x - off - w, y - off - h)) {
        out.marker = MarkerCorner::mkBottomRight;
    } else if (!tryPlace(x + off, d.bottom - h)) {
        tryPlace(d.right - w, y + off);
    }
}

void PlaceFixedElusive(const PlacementInput& in, Placement& out) {
    const LensRect& lens = in.lens;
    const LensRect& d = PointerMonitor(in);
    const int64_t w = WidthOf(lens);
    const int64_t h = HeightOf(lens);
    if (ContainsPoint(lens, in.pointer)) {
        out.vacated = lens;
        if (d.right >= lens.left + 2 * w) {
            out.topLeft.x = Coordinate(lens.left + w);
        } else if (d.bottom >= lens.top + 2 * h) {
            out.topLeft.y = Coordinate(lens.top + h);
        } else if (d.left <= lens.left - w) {
            out.topLeft.x = Coordinate(lens.left - w);
        } else if (d.top <= lens.top - h) {
            out.topLeft.y = Coordinate(lens.top - h);
        }
    } else if (!ContainsPoint(in.vacated, in.pointer)) {
        out.topLeft = FixedHome(in);
    }
}

}  // namespace

bool ContainsPoint(const LensRect& rect, LensPoint p) {
    return rect.left <= p.x && p.x <= rect.right && rect.top <= p.y && p.y <= rect.bottom;
}

Placement PlaceForMode(const PlacementInput& in) {
    Placement out;
    out.topLeft = {in.lens.left, in.lens.top};
    out.vacated = in.vacated;
    switch (in.mode) {
    case pmUnderCursor:
        out.topLeft = {Coordinate(in.pointer.x - WidthOf(in.lens) / 2),
                       Coordinate(in.pointer.y - HeightOf(in.lens) / 2)};
        break;
    case pmCornerTracker:
        PlaceCornerTracker(in, out);
        break;
    case pmFixedElusive:
        PlaceFixedElusive(in, out);
        break;
    case pmFixed:
        out.topLeft = FixedHome(in);
        break;
    default:  // an unknown mode from a hand-edited settings file never moves the lens
        break;
    }
    return out;
}

}  // namespace lenzor
