// The in-place blur kernels: split blur (and the gaussian blur built from it) and anti-alias,
// each with its straightforward reference, which the fast versions match byte for byte. The
// plain names take the path ActiveSimdLevel() names.
#pragma once

#include "effects/bitmap.h"
#include "effects/simd_level.h"

namespace lenzor {

// Each pixel becomes the mean of four samples k rows up/down and k columns left/right, in
// place, top to bottom and left to right. Near the bottom and right edges the far sample wraps
// to rows/columns 1..k near the top/left. On a side of k pixels or less the distance along
// that side is bounded to side - 1, so no sample leaves the image.
void SplitBlurBitmap(Bitmap24& bitmap, int k);
void SplitBlurBitmapWith(SimdLevel level, Bitmap24& bitmap, int k);
void SplitBlurBitmapReference(Bitmap24& bitmap, int k);

// passes + 1 split blurs with distance 3.
void GaussianBlurBitmap(Bitmap24& bitmap, int passes);

// Each pixel of the rectangle (inclusive corners, clipped so the outermost rows and columns
// stay unchanged) becomes the mean of its four neighbours, in place.
void AntiAliasRect(Bitmap24& bitmap, int x1, int y1, int x2, int y2);
void AntiAliasRectReference(Bitmap24& bitmap, int x1, int y1, int x2, int y2);

}  // namespace lenzor
