// Blur pieces with SSE2: 16 bytes at a time, summed in 16 bits.
#include "effects/blur_spans.h"

#include <emmintrin.h>

namespace lenzor {
namespace {

void MeanOfFour(const uint8_t* a, const uint8_t* b, const uint8_t* c, const uint8_t* d,
                uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    const __m128i vc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c));
    const __m128i vd = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
    const __m128i low =
        _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi8(va, zero), _mm_unpacklo_epi8(vb, zero)),
                      _mm_add_epi16(_mm_unpacklo_epi8(vc, zero), _mm_unpacklo_epi8(vd, zero)));
    const __m128i high =
        _mm_add_epi16(_mm_add_epi16(_mm_unpackhi_epi8(va, zero), _mm_unpackhi_epi8(vb, zero)),
                      _mm_add_epi16(_mm_unpackhi_epi8(vc, zero), _mm_unpackhi_epi8(vd, zero)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_packus_epi16(_mm_srli_epi16(low, 2), _mm_srli_epi16(high, 2)));
}

}  // namespace

void BlurSpanSse2(const uint8_t* upper, const uint8_t* lower, uint8_t* out, int bytes, int reach) {
    int i = 0;
    for (; i + 16 <= bytes; i += 16) {
        MeanOfFour(upper + i - reach, lower + i - reach, upper + i + reach, lower + i + reach,
                   out + i);
    }
    for (; i < bytes; ++i) {
        out[i] = static_cast<uint8_t>(
            (upper[i - reach] + lower[i - reach] + upper[i + reach] + lower[i + reach]) >> 2);
    }
}

void SumOfThree(const uint8_t* a, const uint8_t* b, const uint8_t* c, uint16_t* sums, int count) {
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i vc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + i));
        const __m128i low =
            _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi8(va, zero), _mm_unpacklo_epi8(vb, zero)),
                          _mm_unpacklo_epi8(vc, zero));
        const __m128i high =
            _mm_add_epi16(_mm_add_epi16(_mm_unpackhi_epi8(va, zero), _mm_unpackhi_epi8(vb, zero)),
                          _mm_unpackhi_epi8(vc, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + i), low);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + i + 8), high);
    }
    for (; i < count; ++i) {
        sums[i] = static_cast<uint16_t>(a[i] + b[i] + c[i]);
    }
}

}  // namespace lenzor
