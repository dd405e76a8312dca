// The noise rows with AVX2, compiled for AVX2 and called only where the processor has it.
#include "core/random.h"
#include "effects/noise_rows.h"

#include <immintrin.h>

// Everything below is AVX2 code; every header comes before, so no inline function of theirs is
// compiled for AVX2 and shared with the rest of the program.
#if defined(__GNUC__)
#pragma GCC target("avx2")
#endif

namespace lenzor {
namespace {

__m256i MulHi32(__m256i seed, __m256i n) {
    const __m256i even = _mm256_mul_epu32(seed, n);
    const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(seed, 32), n);
    return _mm256_blend_epi32(_mm256_srli_epi64(even, 32), odd, 0xAA);
}

}  // namespace

void NoiseRowAvx2(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed) {
    using namespace noise_lanes;
    const int blocks = width / kBlockPixels;
    if (blocks > 0) {
        const Lanes lanes = LanesFor(kind, seed);
        __m256i lane[3];
        for (int v = 0; v < 3; ++v) {
            lane[v] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.start + 8 * v));
        }
        const __m256i multiplier = _mm256_set1_epi32(static_cast<int>(lanes.blockMultiplier));
        const __m256i increment = _mm256_set1_epi32(static_cast<int>(lanes.blockIncrement));
        const __m256i range = _mm256_set1_epi32(n);
        const __m256i half = _mm256_set1_epi32(n >> 1);
        // After the in-lane packs the 4-byte groups stand as 0 2 4 x | 1 3 5 x.
        const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
        uint8_t* out = row;
        for (int b = 0; b < blocks; ++b, out += kBlockBytes) {
            __m256i value[3];
            for (int v = 0; v < 3; ++v) {
                value[v] = _mm256_sub_epi32(MulHi32(lane[v], range), half);
                lane[v] = _mm256_add_epi32(_mm256_mullo_epi32(lane[v], multiplier), increment);
            }
            const __m256i w01 = _mm256_packs_epi32(value[0], value[1]);
            const __m256i w22 = _mm256_packs_epi32(value[2], value[2]);
            const __m256i bytes = _mm256_permutevar8x32_epi32(_mm256_packus_epi16(w01, w22), order);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(bytes));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16),
                             _mm256_extracti128_si256(bytes, 1));
        }
        seed = RandomStepOf(DrawsFor(kind, blocks * kBlockPixels)).Apply(seed);
    }
    NoiseRowReference(kind, row + 3 * blocks * kBlockPixels, width - blocks * kBlockPixels, n,
                      seed);
}

}  // namespace lenzor
