// One row of a noise layer at a time, in the draw order of the fills (noise_kernels.h): the
// straightforward reference and two vector paths that give the same bytes and leave the seed
// where the reference leaves it.
#pragma once

#include "effects/simd_level.h"

#include <cstdint>

namespace lenzor {

enum class NoiseKind { Color, Mono };

// Fills 3 * width bytes from seed, n >= 1: colour noise draws bytes 2, 1, 0 of each pixel in
// turn, mono noise draws once a pixel for all three bytes; each byte is
// ClampByte(Random(n) - n / 2). The seed advances by one step a draw.
void NoiseRowReference(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed);
void NoiseRowSse2(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed);
void NoiseRowAvx2(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed);  // CpuHasAvx2
// The path of that level (Reference: NoiseRowReference).
void NoiseRow(SimdLevel level, NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed);

namespace noise_lanes {

// The vector paths run one generator lane per byte of a block of 8 pixels (24 bytes); lane i
// starts Draw(i) + 1 steps after the row's seed and every lane moves on by a block's draws.
constexpr int kBlockPixels = 8;
constexpr int kBlockBytes = 3 * kBlockPixels;

struct Lanes {
    uint32_t start[kBlockBytes];  // seeds of the first block's lanes
    uint32_t blockMultiplier;     // one block further: seed * multiplier + increment
    uint32_t blockIncrement;
};

Lanes LanesFor(NoiseKind kind, uint32_t seed);
// Draws a fill of `pixels` pixels takes.
uint64_t DrawsFor(NoiseKind kind, int pixels);

}  // namespace noise_lanes
}  // namespace lenzor
