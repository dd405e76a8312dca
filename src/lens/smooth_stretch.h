// The smooth stretch of a grab onto the lens picture: bilinear where it enlarges, averaging
// where it reduces (smooth_weights.h has the filter and its arithmetic). The straightforward
// reference and the vector paths give the same bytes.
#pragma once

#include "effects/bitmap.h"
#include "effects/simd_level.h"
#include "lens/lens_picture.h"

namespace lenzor {

// All of source onto all of dest, each axis on its own: across every source row, then down.
// Equal sizes copy; an empty source gives a black picture, as StretchNearest does. Takes the
// path ActiveSimdLevel() names.
void StretchSmooth(const Bitmap24& source, const LensPicture& dest);
// The path of that level (Avx2 only where CpuHasAvx2()).
void StretchSmoothWith(SimdLevel level, const Bitmap24& source, const LensPicture& dest);
// Pixel by pixel, tap by tap, as smooth_weights.h defines it.
void StretchSmoothReference(const Bitmap24& source, const LensPicture& dest);

}  // namespace lenzor
