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
    // Saturation: |delta| = |d| * quotient + |d| * remainder / 255 for the factor
    // saturation + 255 = 255 * quotient + remainder; negated for a negative factor. A quotient
    // of 256 or more moves every channel that differs from the mean past 0 or 255, so it is
    // capped there and everything fits 16 bits.
    uint16_t saturationQuotient = 0;
    uint16_t saturationRemainder = 0;
    bool saturationNegative = false;
    int16_t solarizeAbove = 255;  // clamped to -1..255
};

void BuildVectorTables(const PixelEffects& effects, bool noise, VectorTables& tables);

// The tables of the last pass, built anew only when the effects change: the lens renders every
// frame with the same values, and on a small picture building them costs as much as the pass.
// (The program has one thread.)
const VectorTables& VectorTablesFor(const PixelEffects& effects, bool noise);

// Exact divisions of the vector paths (a test checks them over their whole ranges):
// x / 3 for x <= 765 is (x * kThirdMultiplier) >> 16, x / 255 for x <= 65535 is
// (x * kDiv255Multiplier) >> 23.
constexpr uint16_t kThirdMultiplier = 21846;
constexpr uint16_t kDiv255Multiplier = 32897;

}  // namespace lenzor::pixel_vector
