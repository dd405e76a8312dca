// The widest rows the effect code accepts, and the check that refuses wider pictures.
#pragma once

#include "effects/bitmap.h"

namespace lenzor {

// Byte-indexed kernels address a row as at most 32,768 bytes, so 10,922 pixels.
constexpr int kMaxKernelRowPixels = 32768 / 3;
// The emboss kernel and the per-pixel pass count whole pixels.
constexpr int kMaxPixelRowPixels = 32768;

// Raises ERangeError when the bitmap is wider than maxPixels.
void CheckRowWidth(const Bitmap24& bitmap, int maxPixels);

}  // namespace lenzor
