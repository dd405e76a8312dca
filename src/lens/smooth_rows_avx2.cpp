// The smooth stretch's rows with AVX2: four destination pixels across, eight down, at a time.
// Compiled for AVX2 and called only where the processor has it.
#include "lens/smooth_rows.h"

#include <immintrin.h>

// Everything below is AVX2 code; every header comes before, so no inline function of theirs is
// compiled for AVX2 and shared with the rest of the program.
#if defined(__clang__)  // clang ignores GCC's target pragma
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#elif defined(__GNUC__)
#pragma GCC target("avx2")
#endif

namespace lenzor {
namespace {

__m128i Load16(const int16_t* values) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
}

__m256i Load32(const int16_t* values) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(values));
}

void Store32(int16_t* values, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(values), v);
}

// Four entries from the 16 bytes at their first pixel, each byte shuffled straight to its lane.
void LayOutEntries(const uint8_t* row, int count, int16_t* entries) {
    constexpr char z = -1;  // a zero byte
    const __m256i first = _mm256_setr_epi8(0, z, 3, z, 1, z, 4, z, 2, z, 5, z, z, z, z, z,  //
                                           3, z, 6, z, 4, z, 7, z, 5, z, 8, z, z, z, z, z);
    const __m256i second = _mm256_setr_epi8(6, z, 9, z, 7, z, 10, z, 8, z, 11, z, z, z, z, z,  //
                                            9, z, 12, z, 10, z, 13, z, 11, z, 14, z, z, z, z, z);
    for (int i = 0; i < count; i += 4, row += 12, entries += 32) {
        const __m256i pixels =
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)));
        Store32(entries, _mm256_shuffle_epi8(pixels, first));
        Store32(entries + 16, _mm256_shuffle_epi8(pixels, second));
    }
}

__m256i TwoEntries(const int16_t* low, const int16_t* high) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(Load16(low)), Load16(high), 1);
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
    const __m256i bias = _mm256_set1_epi32(kAcrossBias << kAcrossShift);
    int x = 0;
    for (; x + 4 <= width; x += 4, weights += 4 * step) {
        __m256i sums[kRows][2];
        for (auto& sum : sums) {
            sum[0] = sum[1] = bias;
        }
        for (int j = 0; j < pairs; ++j) {
            const int16_t* w = weights + 8 * j;
            const __m256i weightsAB = kOnePair ? Load32(w) : TwoEntries(w, w + step);
            const __m256i weightsCD =
                kOnePair ? Load32(w + 16) : TwoEntries(w + 2 * step, w + 3 * step);
            for (int r = 0; r < kRows; ++r) {
                const int16_t* row = entries + r * rowEntries + 16 * j;
                sums[r][0] = _mm256_add_epi32(
                    sums[r][0],
                    _mm256_madd_epi16(TwoEntries(row + first[x], row + first[x + 1]), weightsAB));
                sums[r][1] = _mm256_add_epi32(
                    sums[r][1], _mm256_madd_epi16(
                                    TwoEntries(row + first[x + 2], row + first[x + 3]), weightsCD));
            }
        }
        for (int r = 0; r < kRows; ++r) {
            // The in-lane pack leaves a, c | b, d.
            const __m256i packed = _mm256_packs_epi32(_mm256_srli_epi32(sums[r][0], kAcrossShift),
                                                      _mm256_srli_epi32(sums[r][1], kAcrossShift));
            Store32(out[r] + 4 * x, _mm256_permute4x64_epi64(packed, 0xD8));
        }
    }
    for (; x < width; ++x, weights += step) {
        for (int r = 0; r < kRows; ++r) {
            const int16_t* row = entries + r * rowEntries + first[x];
            __m128i sum = _mm256_castsi256_si128(bias);
            for (int j = 0; j < pairs; ++j) {
                sum = _mm_add_epi32(sum,
                                    _mm_madd_epi16(Load16(row + 16 * j), Load16(weights + 8 * j)));
            }
            sum = _mm_srli_epi32(sum, kAcrossShift);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out[r] + 4 * x), _mm_packs_epi32(sum, sum));
        }
    }
}

__m256i WeightPair(const int16_t* weights) {
    const uint32_t first = static_cast<uint16_t>(weights[0]);
    const uint32_t second = static_cast<uint16_t>(weights[1]);
    return _mm256_set1_epi32(static_cast<int>(first | second << 16));
}

// 32 bytes from four sums of 8 lanes each. The in-lane unpacks and packs cancel out; the byte
// pack leaves quarters 0, 2, 1, 3.
__m256i Bytes(const __m256i* sums) {
    const __m256i low = _mm256_packs_epi32(_mm256_srai_epi32(sums[0], kDownShift),
                                           _mm256_srai_epi32(sums[1], kDownShift));
    const __m256i high = _mm256_packs_epi32(_mm256_srai_epi32(sums[2], kDownShift),
                                            _mm256_srai_epi32(sums[3], kDownShift));
    return _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8);
}

template <int kTargets, bool kTwoTaps>
void DownRows(const int16_t* const* rows, int taps, const DownTarget* targets, int count) {
    if (kTwoTaps) {
        taps = 2;
    }
    __m256i twoTaps[kTargets];
    for (int k = 0; k < kTargets; ++k) {
        twoTaps[k] = WeightPair(targets[k].weights);
    }
    int i = 0;
    for (; i + 32 <= count; i += 32) {
        __m256i sums[kTargets][4] = {};
        for (int t = 0; t < taps; t += 2) {
            const int16_t* upper = rows[t] + i;
            const int16_t* lower = rows[t + 1] + i;
            for (int half = 0; half < 2; ++half) {
                const __m256i u = Load32(upper + 16 * half);
                const __m256i l = Load32(lower + 16 * half);
                const __m256i low = _mm256_unpacklo_epi16(u, l);
                const __m256i high = _mm256_unpackhi_epi16(u, l);
                for (int k = 0; k < kTargets; ++k) {
                    const __m256i pair = kTwoTaps ? twoTaps[k] : WeightPair(targets[k].weights + t);
                    __m256i* sum = sums[k] + 2 * half;
                    sum[0] = _mm256_add_epi32(sum[0], _mm256_madd_epi16(low, pair));
                    sum[1] = _mm256_add_epi32(sum[1], _mm256_madd_epi16(high, pair));
                }
            }
        }
        for (int k = 0; k < kTargets; ++k) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(targets[k].out + i), Bytes(sums[k]));
        }
    }
    SmoothDownRest(rows, taps, targets, kTargets, i, count);
}

}  // namespace

void SmoothAcrossAvx2(const uint8_t* const* rows, int rowCount, const AcrossTable& table,
                      int16_t* entries, int16_t* const* out) {
    if (rowCount == 2) {
        (table.pairs == 1 ? AcrossRows<2, true> : AcrossRows<2, false>)(rows, table, entries, out);
    } else {
        (table.pairs == 1 ? AcrossRows<1, true> : AcrossRows<1, false>)(rows, table, entries, out);
    }
}

void SmoothDownAvx2(const int16_t* const* rows, int taps, const DownTarget* targets,
                    int targetCount, int count) {
    if (targetCount == 2) {
        (taps == 2 ? DownRows<2, true> : DownRows<2, false>)(rows, taps, targets, count);
    } else {
        (taps == 2 ? DownRows<1, true> : DownRows<1, false>)(rows, taps, targets, count);
    }
}

}  // namespace lenzor

#if defined(__clang__)
#pragma clang attribute pop
#endif
