// The per-pixel pass: renders the display picture from a source layer, an optional noise layer
// and the per-pixel effect properties, one row at a time.
#pragma once

#include "effects/bitmap.h"
#include "effects/simd_level.h"

namespace lenzor {

// The per-pixel effect properties as the effect image stores them (already clamped).
struct PixelEffects {
    int brightness = 0;
    int contrast = 0;
    bool grayScale = false;
    int lightness = 0;
    int darkness = 0;
    int saturation = 0;
    int splitlight = 0;
    bool invert = false;
    int posterize = 0;
    int solorize = 0;
    friend bool operator==(const PixelEffects&, const PixelEffects&) = default;
};

// display must have the size of source; noise, when given, too. Raises ERangeError for rows
// wider than kMaxPixelRowPixels. Every formula is computed exactly (in 64-bit arithmetic where
// a property has no bound), so no property value can wrap around. Takes the path
// ActiveSimdLevel() names.
void RunPixelPass(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                  Bitmap24& display);

// The same pass evaluated pixel by pixel, step by step: the reference every other path is
// tested against.
void RunPixelPassReference(const Bitmap24& source, const Bitmap24* noise,
                           const PixelEffects& effects, Bitmap24& display);

// The pass through per-channel tables, one pixel at a time.
void RunPixelPassTables(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                        Bitmap24& display);

// The vector paths: the per-channel steps through tables looked up many bytes at a time, the
// steps across channels (solarize, grey, saturation) in exact integer vector arithmetic.
// Avx2 only where CpuHasAvx2(); the Reference level runs RunPixelPassReference.
void RunPixelPassVector(SimdLevel level, const Bitmap24& source, const Bitmap24* noise,
                        const PixelEffects& effects, Bitmap24& display);
void RunPixelPassSse2(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                      Bitmap24& display);
void RunPixelPassAvx2(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                      Bitmap24& display);

}  // namespace lenzor
