// Vector pieces of the blur kernels. The inner span of a split-blur row, many bytes at a time:
// out[i] is the floor of the mean of upper[i - reach], lower[i - reach], upper[i + reach] and
// lower[i + reach], i in [0, bytes); out must not overlap the sample rows.
#pragma once

#include "effects/simd_level.h"

#include <cstdint>

namespace lenzor {

void BlurSpanSse2(const uint8_t* upper, const uint8_t* lower, uint8_t* out, int bytes, int reach);
void BlurSpanAvx2(const uint8_t* upper, const uint8_t* lower, uint8_t* out, int bytes, int reach);

// sums[i] = a[i] + b[i] + c[i] for i in [0, count), 16 at a time with SSE2.
void SumOfThree(const uint8_t* a, const uint8_t* b, const uint8_t* c, uint16_t* sums, int count);

// level is Sse2 or Avx2: the reference blur has no spans.
inline void BlurSpan(SimdLevel level, const uint8_t* upper, const uint8_t* lower, uint8_t* out,
                     int bytes, int reach) {
    if (level == SimdLevel::Avx2) {
        BlurSpanAvx2(upper, lower, out, bytes, reach);
    } else {
        BlurSpanSse2(upper, lower, out, bytes, reach);
    }
}

}  // namespace lenzor
