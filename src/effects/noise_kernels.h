// The noise layer fills: random values the per-pixel pass adds to every channel. They draw from
// the process-wide Random in a fixed order, so a run's pictures repeat exactly.
#pragma once

#include "effects/bitmap.h"

#include <cstdint>

namespace lenzor {

// Per pixel, top to bottom and left to right, three draws for bytes 2, 1 and 0 (red, green,
// blue): ClampByte(Random(n) - n / 2). Keeps the layer's size. n < 1 draws nothing and leaves
// the layer all zero.
void FillColorNoise(Bitmap24& layer, int n);

// As FillColorNoise, but one draw per pixel written to all three bytes.
void FillMonoNoise(Bitmap24& layer, int n);

// The same fills drawing from a private copy of the generator's seed (see RandomDrawsFrom),
// for a layer whose draws were taken from the process-wide sequence earlier.
void FillColorNoiseFrom(Bitmap24& layer, int n, uint32_t& seed);
void FillMonoNoiseFrom(Bitmap24& layer, int n, uint32_t& seed);

// How many draws a fill of the layer takes.
uint64_t ColorNoiseDraws(const Bitmap24& layer);
uint64_t MonoNoiseDraws(const Bitmap24& layer);

}  // namespace lenzor
