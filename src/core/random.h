// The process-wide pseudo-random generator. Every run draws the same sequence: the seed starts
// at 0 and the program never reseeds it (tests may, to pin a sequence).
#pragma once

#include <cstddef>
#include <cstdint>

namespace lenzor {

// One draw from 0..n-1: seed := seed * 134775813 + 1 (mod 2^32), result = high 32 bits of
// seed * n. A range of 0 or below yields 0 (the seed still advances, as for any draw).
int32_t Random(int32_t n);

// count draws from the same range into out, the same values count calls of Random(n) give
// and leaving the seed where they leave it; several interleaved generator lanes make it much
// faster than one call a value (the noise layers draw once per byte of a picture).
void RandomDraws(int32_t n, int32_t* out, std::size_t count);

// The same draws from a private copy of the seed, which advances as the process-wide one
// would; the process-wide seed is untouched. Lets a caller replay draws it skipped.
void RandomDrawsFrom(uint32_t& seed, int32_t n, int32_t* out, std::size_t count);

// Advances the process-wide seed as count draws would, in logarithmic time.
void SkipRandomDraws(uint64_t count);

// count generator steps as one affine map: seed -> multiplier * seed + increment (mod 2^32).
// Lets vector code run one generator lane per output position.
struct RandomStep {
    uint32_t multiplier = 1;
    uint32_t increment = 0;
    uint32_t Apply(uint32_t seed) const { return seed * multiplier + increment; }
};
RandomStep RandomStepOf(uint64_t count);

uint32_t RandomSeed();
void SetRandomSeed(uint32_t seed);

}  // namespace lenzor
