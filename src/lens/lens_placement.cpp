#include "lens/lens_placement.h"

#include "lens/lens_modes.h"

#include <algorithm>

namespace lenzor {
namespace {

// The fixed modes keep at least a 20-pixel strip of the lens on the screen at the right and
// bottom; negative coordinates are left alone.
constexpr int kFixedMargin = 20;

LensPoint FixedHome(const PlacementInput& in) {
    return {std::min(in.leftFixed, in.desktop.right - kFixedMargin),
            std::min(in.topFixed, in.desktop.bottom - kFixedMargin)};
}

void PlaceCornerTracker(const PlacementInput& in, Placement& out) {
    const int w = in.lens.Width();
    const int h = in.lens.Height();
    const int off = in.cornerTrackOffset;
    const LensPoint p = in.pointer;
    const LensRect& d = in.desktop;
    auto fits = [&](int left, int top) { return FitsOnDesktop(d, w, h, left, top); };
    if (fits(p.x + off, p.y + off)) {
        out.topLeft = {p.x + off, p.y + off};
        out.marker = MarkerCorner::mkTopLeft;
    } else if (fits(p.x - off - w, p.y - off - h)) {
        out.topLeft = {p.x - off - w, p.y - off - h};
        out.marker = MarkerCorner::mkBottomRight;
    } else if (fits(p.x + off, d.bottom - h)) {
        out.topLeft = {p.x + off, d.bottom - h};
    } else if (fits(d.right - w, p.y + off)) {
        out.topLeft = {d.right - w, p.y + off};
    }
}

void PlaceFixedElusive(const PlacementInput& in, Placement& out) {
    const LensRect& lens = in.lens;
    const LensRect& d = in.desktop;
    const int w = lens.Width();
    const int h = lens.Height();
    if (ContainsPoint(lens, in.pointer)) {
        out.vacated = lens;
        if (d.right >= lens.left + 2 * w) {
            out.topLeft.x = lens.left + w;
        } else if (d.bottom >= lens.top + 2 * h) {
            out.topLeft.y = lens.top + h;
        } else if (d.left <= lens.left - w) {
            out.topLeft.x = lens.left - w;
        } else if (d.top <= lens.top - h) {
            out.topLeft.y = lens.top - h;
        }
    } else if (!ContainsPoint(in.vacated, in.pointer)) {
        out.topLeft = FixedHome(in);
    }
}

}  // namespace

bool ContainsPoint(const LensRect& rect, LensPoint p) {
    return rect.left <= p.x && p.x <= rect.right && rect.top <= p.y && p.y <= rect.bottom;
}

bool FitsOnDesktop(const LensRect& desktop, int width, int height, int left, int top) {
    return left >= desktop.left && top >= desktop.top && left + width <= desktop.right &&
           top + height <= desktop.bottom;
}

Placement PlaceForMode(const PlacementInput& in) {
    Placement out;
    out.topLeft = {in.lens.left, in.lens.top};
    out.vacated = in.vacated;
    switch (in.mode) {
    case pmUnderCursor:
        out.topLeft = {in.pointer.x - in.lens.Width() / 2, in.pointer.y - in.lens.Height() / 2};
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
