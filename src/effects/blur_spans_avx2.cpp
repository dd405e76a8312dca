// Split-blur spans with AVX2: 32 bytes at a time, summed in 16 bits. Compiled for AVX2 and
// called only where the processor has it.
#include "effects/blur_spans.h"

#include <immintrin.h>

// Everything below is AVX2 code; every header comes before, so no inline function of theirs is
// compiled for AVX2 and shared with the rest of the program.
#if defined(__GNUC__)
#pragma GCC target("avx2")
#endif

namespace lenzor {

void BlurSpanAvx2(const uint8_t* upper, const uint8_t* lower, uint8_t* out, int bytes, int reach) {
    int i = 0;
    for (; i + 32 <= bytes; i += 32) {
        const uint8_t* samples[4] = {upper + i - reach, lower + i - reach, upper + i + reach,
                                     lower + i + reach};
        __m256i low = _mm256_setzero_si256(), high = _mm256_setzero_si256();
        for (const uint8_t* s : samples) {
            low = _mm256_add_epi16(
                low, _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s))));
            high = _mm256_add_epi16(high, _mm256_cvtepu8_epi16(_mm_loadu_si128(
                                              reinterpret_cast<const __m128i*>(s + 16))));
        }
        const __m256i packed =
            _mm256_packus_epi16(_mm256_srli_epi16(low, 2), _mm256_srli_epi16(high, 2));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            _mm256_permute4x64_epi64(packed, 0xD8));
    }
    for (; i < bytes; ++i) {
        out[i] = static_cast<uint8_t>(
            (upper[i - reach] + lower[i - reach] + upper[i + reach] + lower[i + reach]) >> 2);
    }
}

}  // namespace lenzor
