// The noise layer fills: random values the per-pixel pass adds to every channel. They draw from
// the process-wide Random in a fixed order, so a run's pictures repeat exactly.
#pragma once

#include "effects/bitmap.h"

namespace lenzor {

// Per pixel, top to bottom and left to right, three draws for bytes 2, 1 and 0 (red, green,
// blue): ClampByte(Random(n) - n / 2). Keeps the layer's size. n < 1 draws nothing and leaves
// the layer all zero.
void FillColorNoise(Bitmap24& layer, int n);

// As FillColorNoise, but one draw per pixel written to all three bytes.
void FillMonoNoise(Bitmap24& layer, int n);

}  // namespace lenzor
