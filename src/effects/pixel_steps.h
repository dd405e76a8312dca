// The formulas of the per-pixel pass, one step each, shared by the pass and its reference.
// Channel values are int64_t: with unbounded properties the intermediate values leave 0..255
// by far, and 64 bits hold every one of them exactly.
#pragma once

#include "core/numeric.h"
#include "effects/pixel_pass.h"
#include "effects/split_light.h"

#include <cstdint>

namespace lenzor::pixel_steps {

// Round(c / p) * p with ties to even, in integers; c >= 0, p > 0. May exceed 255.
inline int64_t Posterized(int64_t c, int64_t p) {
    int64_t quotient = c / p;
    const int64_t twiceRemainder = 2 * (c % p);
    if (twiceRemainder > p || (twiceRemainder == p && (quotient & 1) != 0)) {
        ++quotient;
    }
    return quotient * p;
}

// The mean the solarize threshold and the saturation use.
inline int Mean(int r, int g, int b) {
    return (r + g + b) / 3;
}

// c + contrast + lightness + darkness + brightness terms, before noise and clamping. Every
// division truncates toward zero, as the formulas are defined.
inline int64_t Summed(int64_t c, const PixelEffects& e) {
    int64_t k = 0;
    if (e.contrast != 0) {
        const int64_t distance = c > 127 ? c - 127 : 127 - c;
        k = distance * e.contrast / 255;
        if (c <= 127) {
            k = -k;
        }
    }
    const int64_t l = e.lightness != 0 ? e.lightness * (255 - c) / 255 : 0;
    const int64_t d = e.darkness != 0 ? -(e.darkness * c) / 255 : 0;
    return c + k + l + d + e.brightness;
}

inline uint8_t SplitLit(uint8_t c, int passes) {
    const auto& table = SplitLightTable();
    for (int i = 0; i < passes; ++i) {
        c = table[c];
    }
    return c;
}

// Weighted grey in IEEE double, left to right as written, rounded ties-to-even.
inline uint8_t Grey(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint8_t>(RoundHalfEven(0.3 * r + 0.59 * g + 0.11 * b));
}

inline int64_t SaturationDelta(int64_t difference, int saturation) {
    return difference * (static_cast<int64_t>(saturation) + 255) / 255;
}

}  // namespace lenzor::pixel_steps
