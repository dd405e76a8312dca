// The in-place shape kernels: emboss, mosaic and trace.
#pragma once

#include "effects/bitmap.h"

#include <cstdint>

namespace lenzor {

// Each pixel becomes the mean of itself and the inverse of the pixel one row down and three
// columns right (the last three columns use the pixel straight below; the last row uses the
// already embossed row above). Pictures narrower than 3 or lower than 2 pixels stay unchanged.
void EmbossBitmap(Bitmap24& bitmap);

// Blocks of s x s pixels from the top-left corner take their top-left pixel's colour; the last
// blocks of a row or column may be smaller. s < 1 changes nothing.
void MosaicBitmap(Bitmap24& bitmap, int s);

// The colour class the trace compares: 3-3-2 bits of red, green, blue (rrrgggbb). Colours that
// differ only in the dropped low bits belong to the same class.
uint8_t TraceClass(const uint8_t* bgr);

// Blackens pixels on the boundaries between colour classes: on the side that is not of the
// class met first. Pass 1 sweeps forward; every later pass also sweeps backward.
void TraceBitmap(Bitmap24& bitmap, int passes);

}  // namespace lenzor
