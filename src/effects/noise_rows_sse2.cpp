// The noise rows with SSE2: 24 generator lanes in six registers, one lane per byte.
#include "core/random.h"
#include "effects/noise_rows.h"

#include <emmintrin.h>

namespace lenzor {
namespace {

__m128i MulLo32(__m128i a, __m128i b) {
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

// High 32 bits of seed * n per lane (n in the low half of every 64-bit lane).
__m128i MulHi32(__m128i seed, __m128i n) {
    const __m128i even = _mm_mul_epu32(seed, n);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(seed, 32), n);
    const __m128i highHalves = _mm_set_epi32(-1, 0, -1, 0);
    return _mm_or_si128(_mm_srli_epi64(even, 32), _mm_and_si128(odd, highHalves));
}

}  // namespace

void NoiseRowSse2(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed) {
    using namespace noise_lanes;
    const int blocks = width / kBlockPixels;
    if (blocks > 0) {
        const Lanes lanes = LanesFor(kind, seed);
        __m128i lane[6];
        for (int v = 0; v < 6; ++v) {
            lane[v] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes.start + 4 * v));
        }
        const __m128i multiplier = _mm_set1_epi32(static_cast<int>(lanes.blockMultiplier));
        const __m128i increment = _mm_set1_epi32(static_cast<int>(lanes.blockIncrement));
        const __m128i range = _mm_set1_epi32(n);
        const __m128i half = _mm_set1_epi32(n >> 1);
        uint8_t* out = row;
        for (int b = 0; b < blocks; ++b, out += kBlockBytes) {
            __m128i value[6];
            for (int v = 0; v < 6; ++v) {
                value[v] = _mm_sub_epi32(MulHi32(lane[v], range), half);
                lane[v] = _mm_add_epi32(MulLo32(lane[v], multiplier), increment);
            }
            // Signed saturation to 16 bits keeps the order of values, unsigned to 8 clamps.
            const __m128i w0 = _mm_packs_epi32(value[0], value[1]);
            const __m128i w1 = _mm_packs_epi32(value[2], value[3]);
            const __m128i w2 = _mm_packs_epi32(value[4], value[5]);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(w0, w1));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), _mm_packus_epi16(w2, w2));
        }
        seed = RandomStepOf(DrawsFor(kind, blocks * kBlockPixels)).Apply(seed);
    }
    NoiseRowReference(kind, row + 3 * blocks * kBlockPixels, width - blocks * kBlockPixels, n,
                      seed);
}

}  // namespace lenzor
