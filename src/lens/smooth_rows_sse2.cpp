// The smooth stretch's rows with SSE2: two destination pixels across, four down, at a time.
#include "lens/smooth_rows.h"

#include <emmintrin.h>

namespace lenzor {
namespace {

__m128i Load16(const int16_t* values) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
}

void Store16(int16_t* values, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(values), v);
}

// Two entries from the 16 bytes at their first pixel.
void LayOutEntries(const uint8_t* row, int count, int16_t* entries) {
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < count; i += 2, row += 6, entries += 16) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
        // bytes 0-5: pixels i and i + 1 interleaved; bytes 6-11: pixels i + 1 and i + 2
        const __m128i both = _mm_unpacklo_epi8(pixels, _mm_srli_si128(pixels, 3));
        Store16(entries, _mm_unpacklo_epi8(both, zero));
        Store16(entries + 8, _mm_unpacklo_epi8(_mm_srli_si128(both, 6), zero));
    }
}

__m128i Across(__m128i sums) {
    return _mm_srli_epi32(sums, kAcrossShift);
}

template <int kRows, bool kOnePair>
void AcrossRows(const uint8_t* const* rows, const AcrossTable& table, int16_t* entries,
                int16_t* const* out) {
    const std::size_t rowEntries = table.EntryLanes();
    for (int r = 0; r < kRows; ++r) {
        LayOutEntries(rows[r], table.entries, entries + r * rowEntries);
    }
    const int pairs = kOnePair ? 1 : table.pairs;
    const int step = 8 * pairs;  // weights a destination pixel
    const int width = table.width;
    const int32_t* first = table.first.data();
    const int16_t* weights = table.lanes.data();
    const __m128i bias = _mm_set1_epi32(kAcrossBias << kAcrossShift);
    int x = 0;
    for (; x + 2 <= width; x += 2, weights += 2 * step) {
        __m128i sums[kRows][2];
        for (auto& sum : sums) {
            sum[0] = sum[1] = bias;
        }
        for (int j = 0; j < pairs; ++j) {
            const __m128i weightsA = Load16(weights + 8 * j);
            const __m128i weightsB = Load16(weights + step + 8 * j);
            for (int r = 0; r < kRows; ++r) {
                const int16_t* row = entries + r * rowEntries + 16 * j;
                sums[r][0] =
                    _mm_add_epi32(sums[r][0], _mm_madd_epi16(Load16(row + first[x]), weightsA));
                sums[r][1] =
                    _mm_add_epi32(sums[r][1], _mm_madd_epi16(Load16(row + first[x + 1]), weightsB));
            }
        }
        for (int r = 0; r < kRows; ++r) {
            Store16(out[r] + 4 * x, _mm_packs_epi32(Across(sums[r][0]), Across(sums[r][1])));
        }
    }
    if (x < width) {
        for (int r = 0; r < kRows; ++r) {
            const int16_t* row = entries + r * rowEntries + first[x];
            __m128i sum = bias;
            for (int j = 0; j < pairs; ++j) {
                sum = _mm_add_epi32(sum,
                                    _mm_madd_epi16(Load16(row + 16 * j), Load16(weights + 8 * j)));
            }
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out[r] + 4 * x),
                             _mm_packs_epi32(Across(sum), Across(sum)));
        }
    }
}

__m128i WeightPair(const int16_t* weights) {
    const uint32_t first = static_cast<uint16_t>(weights[0]);
    const uint32_t second = static_cast<uint16_t>(weights[1]);
    return _mm_set1_epi32(static_cast<int>(first | second << 16));
}

// 16 bytes from four sums of 4 lanes each.
__m128i Bytes(const __m128i* sums) {
    const __m128i low =
        _mm_packs_epi32(_mm_srai_epi32(sums[0], kDownShift), _mm_srai_epi32(sums[1], kDownShift));
    const __m128i high =
        _mm_packs_epi32(_mm_srai_epi32(sums[2], kDownShift), _mm_srai_epi32(sums[3], kDownShift));
    return _mm_packus_epi16(low, high);
}

template <int kTargets, bool kTwoTaps>
void DownRows(const int16_t* const* rows, int taps, const DownTarget* targets, int count) {
    if (kTwoTaps) {
        taps = 2;
    }
    __m128i twoTaps[kTargets];
    for (int k = 0; k < kTargets; ++k) {
        twoTaps[k] = WeightPair(targets[k].weights);
    }
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        __m128i sums[kTargets][4] = {};
        for (int t = 0; t < taps; t += 2) {
            const int16_t* upper = rows[t] + i;
            const int16_t* lower = rows[t + 1] + i;
            for (int half = 0; half < 2; ++half) {
                const __m128i u = Load16(upper + 8 * half);
                const __m128i l = Load16(lower + 8 * half);
                const __m128i low = _mm_unpacklo_epi16(u, l);
                const __m128i high = _mm_unpackhi_epi16(u, l);
                for (int k = 0; k < kTargets; ++k) {
                    const __m128i pair = kTwoTaps ? twoTaps[k] : WeightPair(targets[k].weights + t);
                    __m128i* sum = sums[k] + 2 * half;
                    sum[0] = _mm_add_epi32(sum[0], _mm_madd_epi16(low, pair));
                    sum[1] = _mm_add_epi32(sum[1], _mm_madd_epi16(high, pair));
                }
            }
        }
        for (int k = 0; k < kTargets; ++k) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(targets[k].out + i), Bytes(sums[k]));
        }
    }
    SmoothDownRest(rows, taps, targets, kTargets, i, count);
}

}  // namespace

void SmoothAcrossSse2(const uint8_t* const* rows, int rowCount, const AcrossTable& table,
                      int16_t* entries, int16_t* const* out) {
    if (rowCount == 2) {
        (table.pairs == 1 ? AcrossRows<2, true> : AcrossRows<2, false>)(rows, table, entries, out);
    } else {
        (table.pairs == 1 ? AcrossRows<1, true> : AcrossRows<1, false>)(rows, table, entries, out);
    }
}

void SmoothDownSse2(const int16_t* const* rows, int taps, const DownTarget* targets,
                    int targetCount, int count) {
    if (targetCount == 2) {
        (taps == 2 ? DownRows<2, true> : DownRows<2, false>)(rows, taps, targets, count);
    } else {
        (taps == 2 ? DownRows<1, true> : DownRows<1, false>)(rows, taps, targets, count);
    }
}

}  // namespace lenzor
