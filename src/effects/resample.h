// Bilinear resampling in 15-bit fixed point, and the tile effect built on it.
#pragma once

#include "effects/bitmap.h"

namespace lenzor {

// Fills the whole destination from the whole source. The last source row and column are
// approached but never sampled with full weight. A one-pixel-wide or one-pixel-high source is
// stretched; an empty source or destination leaves the destination unchanged.
void ResampleBilinear(const Bitmap24& source, Bitmap24& destination);

struct TileGeometry {
    int width = 0;
    int height = 0;
    int storedValue = 0;  // what the tile property keeps for the requested count
};

// Tiles of (sourceSide div count), at least 10 x 10 pixels. When both sides hit the 10-pixel
// floor, a larger count changes nothing, so the stored count becomes max side div 10; that is 0
// for a picture under 10 pixels on both sides, which turns the effect off (the source shows).
TileGeometry TileFor(int sourceWidth, int sourceHeight, int count);

// Covers `picture` with copies of `source` shrunk to tileWidth x tileHeight, from the
// top-left corner; tiles crossing the right or bottom edge are clipped.
void TileBitmap(Bitmap24& picture, const Bitmap24& source, int tileWidth, int tileHeight);

}  // namespace lenzor
