// What the vector paths of the per-pixel pass look up and compute with, built once a pass from
// the per-channel tables: byte-to-byte tables in the layout of a 16-way shuffle, and the
// constants of the saturation and solarize arithmetic.
#pragma once

#include "effects/pixel_tables.h"

#include <cstdint>

namespace lenzor::pixel_vector {

// A byte-to-byte table, and the same table as 16 rows for byte shuffles by the low nibble, each
// row twice (once for each 16-byte half of a 32-byte register). A shuffle gives zero where the
// index has its top bit set; indexes raised by 0x70 - 16 k with unsigned saturation keep that
// bit clear exactly for high nibbles 0..k, so row k holds the XOR of table rows k and k + 1 and
// the XOR of the shuffles of rows h..7 is table row h (likewise for rows 8..15 with the top bit
// of the index flipped).
struct ByteTable {
    alignas(32) uint8_t rows[16][32];
    uint8_t bytes[256];
    bool identity = true;  // bytes[c] == c: the lookup can be left out
    bool zero = true;      // all bytes 0
};

// floor(x * m / 255) for x in 0..255 and a magnitude m = 255 * quotient + r: x * quotient plus
// the high half of x * multiplier, multiplier = ceil(r * 65536 / 255). The rounding up adds
// less than x / 65536 < 1 / 255 to a fraction of at most 254 / 255, so the floor is exact (a
// test checks every x and r).
struct ScaledBy {
    int16_t sign = 0;  // of the signed factor: -1, 0 or 1
    uint16_t quotient = 0;
    uint16_t multiplier = 0;
};

ScaledBy ScaledByFor(int64_t factor, int64_t quotientCap);

// Contrast, lightness and darkness as the formulas state them, 16 lanes at a time: without
// posterize and split light, and with each factor at most kArithmeticLimit in size, every
// partial sum (and the noise added to it) stays well inside a signed 16-bit lane. The
// saturation after them too while its factor saturation + 255 lies in 0..kSaturationLimit:
// then |d| * factor / 255 stays below 32768 and needs no cap.
constexpr int kArithmeticLimit = 32 * 255;
constexpr int kSaturationLimit = 128 * 255 - 1;

struct ChannelArithmetic {
    bool usable = false;
    ScaledBy contrast;   // of |c - 127|, signed by the side of 127 and the factor
    ScaledBy lightness;  // of 255 - c
    ScaledBy darkness;   // of c, subtracted
    // Only brightness and a contrast of 0..254 (the fixed-gamma mode's usual values): the
    // contrast is one multiply-high of |c - 127| and needs no sign of its own.
    bool contrastOnly = false;
    int16_t brightness = 0;
    bool invert = false;  // applied last, after grey or saturation
};

struct VectorTables {
    pixel_tables::PassTables scalar;  // for the pixels at the end of a row
    bool noise = false;
    // Without noise: the whole per-channel part of the pass ([1]: solarized pixels).
    ByteTable direct[2];
    // With noise: ClampByte(summed + noise) = subs(adds(positive, noise), negative) with the
    // saturating byte operations, then lit for split light (and invert).
    ByteTable positive[2];
    ByteTable negative[2];
    ByteTable lit;
    // Saturation: delta = d * (saturation + 255) / 255 as a ScaledBy. A quotient of 256 or more
    // moves every channel that differs from the mean past 0 or 255, so it is capped there and
    // everything fits 16 bits.
    ScaledBy saturation;
    // The per-channel steps in 16-bit arithmetic instead of the tables, where that is exact.
    ChannelArithmetic arithmetic;
    int16_t solarizeAbove = 255;  // clamped to -1..255
};

void BuildVectorTables(const PixelEffects& effects, bool noise, VectorTables& tables);

// The tables of the last pass, built anew only when the effects change: the lens renders every
// frame with the same values, and on a small picture building them costs as much as the pass.
// (The program has one thread.)
const VectorTables& VectorTablesFor(const PixelEffects& effects, bool noise);

// x / 3 for x <= 765 is (x * kThirdMultiplier) >> 16 (a test checks the whole range).
constexpr uint16_t kThirdMultiplier = 21846;

}  // namespace lenzor::pixel_vector
