// Picture work of one lens redraw that needs no effect engine: where to grab, the block-wise
// (crisp) stretch onto the lens picture, the negative, and the square that marks the pointer's
// spot. The smooth stretch is in smooth_stretch.h.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_picture.h"
#include "lens/lens_platform.h"

namespace lenzor {

// The effect engine handles rows of at most 32,768 bytes, that is 10,922 pixels; the lens never
// grabs more than that in either direction, whatever the zoom.
inline constexpr int kMaxGrabSide = 10922;

struct RenderGeometry {
    LensRect grab;     // screen rectangle around the pointer, at least 1 x 1
    LensPoint marker;  // top-left corner of the marker square on the lens picture
};

// For a picture of width x height (both positive) and a positive zoom factor. A zoom so small
// that the grab would exceed kMaxGrabSide is raised just enough to fit.
RenderGeometry ComputeRenderGeometry(int width, int height, double zoomFactor, LensPoint pointer);

// Nearest-neighbour stretch of all of source onto all of dest: destination pixel d takes
// source pixel floor(d * sourceSize / destSize), so enlarged pixels become blocks and a
// reduction drops pixels instead of mixing them. An empty source gives a black picture.
void StretchNearest(const Bitmap24& source, const LensPicture& dest);

// Every channel c becomes 255 - c.
void InvertChannels(Bitmap24& picture);

// A 6 x 6 square at topLeft: one-pixel black outline, white inside, clipped to the picture.
void DrawMarker(const LensPicture& picture, LensPoint topLeft);

}  // namespace lenzor
