// The per-pixel pass with AVX2: 32 bytes (without steps across channels) or 32 pixels, split
// into blue, green and red planes, at a time. Compiled for AVX2 and called only where the
// processor has it.
#include "effects/pixel_pass.h"
#include "effects/pixel_vector_tables.h"
#include "effects/row_bound.h"

#include <cstdint>
#include <cstring>
#include <immintrin.h>

// Everything below is AVX2 code; every header comes before, so no inline function of theirs is
// compiled for AVX2 and shared with the rest of the program.
#if defined(__GNUC__)
#pragma GCC target("avx2")
#endif

// The helpers take and return whole registers; inlined, they stay in registers.
#if defined(__GNUC__)
#define LENZOR_VECTOR_INLINE inline __attribute__((always_inline))
#else
#define LENZOR_VECTOR_INLINE inline
#endif

namespace lenzor {
namespace {

using pixel_tables::Mix;
using pixel_vector::ByteTable;
using pixel_vector::VectorTables;

LENZOR_VECTOR_INLINE __m256i Load(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}
LENZOR_VECTOR_INLINE void Store(void* p, __m256i v) {
    _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}

// A 256-entry byte table by 16 shuffles (see ByteTable): only saturating adds, shuffles and
// XORs, which the processor runs several of at once.
LENZOR_VECTOR_INLINE __m256i Lookup(const ByteTable& table, __m256i v) {
    const __m256i flipped = _mm256_xor_si256(v, _mm256_set1_epi8(-128));
    __m256i low = _mm256_setzero_si256(), high = _mm256_setzero_si256();
    for (int k = 0; k < 8; ++k) {
        const __m256i raise = _mm256_set1_epi8(static_cast<char>(0x70 - 16 * k));
        low = _mm256_xor_si256(
            low, _mm256_shuffle_epi8(Load(table.rows[k]), _mm256_adds_epu8(v, raise)));
        high = _mm256_xor_si256(
            high, _mm256_shuffle_epi8(Load(table.rows[8 + k]), _mm256_adds_epu8(flipped, raise)));
    }
    return _mm256_xor_si256(low, high);
}

// The per-channel part of the pass for table set s ([1]: solarized pixels).
template <bool kNoise>
LENZOR_VECTOR_INLINE __m256i PerChannel(const VectorTables& t, int s, __m256i c, __m256i noise) {
    if constexpr (!kNoise) {
        return t.direct[s].identity ? c : Lookup(t.direct[s], c);
    } else {
        __m256i x = t.positive[s].identity ? c : Lookup(t.positive[s], c);
        x = _mm256_adds_epu8(x, noise);
        if (!t.negative[s].zero) {
            x = _mm256_subs_epu8(x, Lookup(t.negative[s], c));
        }
        return t.lit.identity ? x : Lookup(t.lit, x);
    }
}

// Shuffle controls between 48 interleaved bytes (16 pixels) and three planes of 16, the same
// in both 128-bit halves.
struct PlaneShuffles {
    int8_t split[3][3][32];  // [plane][source vector]
    int8_t merge[3][3][32];  // [output vector][plane]
};

constexpr PlaneShuffles MakePlaneShuffles() {
    PlaneShuffles s{};
    for (int half = 0; half < 2; ++half) {
        for (int pos = 0; pos < 16; ++pos) {
            for (int plane = 0; plane < 3; ++plane) {
                const int byte = 3 * pos + plane;  // where pixel pos keeps this plane's byte
                for (int v = 0; v < 3; ++v) {
                    s.split[plane][v][16 * half + pos] =
                        static_cast<int8_t>(byte / 16 == v ? byte % 16 : -128);
                }
            }
            for (int v = 0; v < 3; ++v) {
                const int byte = 16 * v + pos;
                for (int plane = 0; plane < 3; ++plane) {
                    s.merge[v][plane][16 * half + pos] =
                        static_cast<int8_t>(byte % 3 == plane ? byte / 3 : -128);
                }
            }
        }
    }
    return s;
}

constexpr PlaneShuffles kShuffles = MakePlaneShuffles();

// 32 pixels into blue, green and red planes: each 128-bit half takes 16 of them.
LENZOR_VECTOR_INLINE void Split(const uint8_t* bytes, __m256i plane[3]) {
    const __m256i y0 = Load(bytes), y1 = Load(bytes + 32), y2 = Load(bytes + 64);
    const __m256i v[3] = {_mm256_permute2x128_si256(y0, y1, 0x30),
                          _mm256_permute2x128_si256(y0, y2, 0x21),
                          _mm256_permute2x128_si256(y1, y2, 0x30)};
    for (int p = 0; p < 3; ++p) {
        __m256i result = _mm256_shuffle_epi8(v[0], Load(kShuffles.split[p][0]));
        result = _mm256_or_si256(result, _mm256_shuffle_epi8(v[1], Load(kShuffles.split[p][1])));
        plane[p] = _mm256_or_si256(result, _mm256_shuffle_epi8(v[2], Load(kShuffles.split[p][2])));
    }
}

LENZOR_VECTOR_INLINE void Merge(uint8_t* bytes, const __m256i plane[3]) {
    __m256i v[3];
    for (int o = 0; o < 3; ++o) {
        __m256i result = _mm256_shuffle_epi8(plane[0], Load(kShuffles.merge[o][0]));
        result =
            _mm256_or_si256(result, _mm256_shuffle_epi8(plane[1], Load(kShuffles.merge[o][1])));
        v[o] = _mm256_or_si256(result, _mm256_shuffle_epi8(plane[2], Load(kShuffles.merge[o][2])));
    }
    Store(bytes, _mm256_permute2x128_si256(v[0], v[1], 0x20));
    Store(bytes + 32, _mm256_permute2x128_si256(v[2], v[0], 0x30));
    Store(bytes + 64, _mm256_permute2x128_si256(v[1], v[2], 0x31));
}

LENZOR_VECTOR_INLINE __m256i WidenLow(__m256i v) {
    return _mm256_cvtepu8_epi16(_mm256_castsi256_si128(v));
}
LENZOR_VECTOR_INLINE __m256i WidenHigh(__m256i v) {
    return _mm256_cvtepu8_epi16(_mm256_extracti128_si256(v, 1));
}
// Unsigned saturation to bytes (packus keeps the 128-bit halves apart; the permute rejoins).
LENZOR_VECTOR_INLINE __m256i Narrow(__m256i low, __m256i high) {
    return _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8);
}

LENZOR_VECTOR_INLINE __m256i MeanOf(__m256i b, __m256i g, __m256i r) {
    const __m256i sum = _mm256_add_epi16(_mm256_add_epi16(b, g), r);
    return _mm256_mulhi_epu16(sum, _mm256_set1_epi16(pixel_vector::kThirdMultiplier));
}

// 0xFF for the pixels whose source mean is above the threshold.
LENZOR_VECTOR_INLINE __m256i SolarizeMask(const VectorTables& t, const __m256i source[3]) {
    const __m256i above = _mm256_set1_epi16(t.solarizeAbove);
    const __m256i low = _mm256_cmpgt_epi16(
        MeanOf(WidenLow(source[0]), WidenLow(source[1]), WidenLow(source[2])), above);
    const __m256i high = _mm256_cmpgt_epi16(
        MeanOf(WidenHigh(source[0]), WidenHigh(source[1]), WidenHigh(source[2])), above);
    return _mm256_permute4x64_epi64(_mm256_packs_epi16(low, high), 0xD8);
}

LENZOR_VECTOR_INLINE void SaturateHalf(const VectorTables& t, __m256i c[3]) {
    const __m256i mean = MeanOf(c[0], c[1], c[2]);
    const __m256i quotient = _mm256_set1_epi16(static_cast<int16_t>(t.saturationQuotient));
    const __m256i remainder = _mm256_set1_epi16(static_cast<int16_t>(t.saturationRemainder));
    const __m256i div255 = _mm256_set1_epi16(static_cast<int16_t>(pixel_vector::kDiv255Multiplier));
    for (int k = 0; k < 3; ++k) {
        const __m256i d = _mm256_sub_epi16(c[k], mean);
        const __m256i magnitude = _mm256_abs_epi16(d);
        __m256i delta = _mm256_add_epi16(
            _mm256_mullo_epi16(magnitude, quotient),
            _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(magnitude, remainder), div255),
                              7));
        delta = _mm256_min_epu16(delta, _mm256_set1_epi16(256));
        const __m256i sign = t.saturationNegative ? _mm256_sub_epi16(_mm256_setzero_si256(), d) : d;
        c[k] = _mm256_add_epi16(mean, _mm256_sign_epi16(delta, sign));
    }
}

LENZOR_VECTOR_INLINE void Saturate(const VectorTables& t, __m256i plane[3]) {
    __m256i low[3], high[3];
    for (int k = 0; k < 3; ++k) {
        low[k] = WidenLow(plane[k]);
        high[k] = WidenHigh(plane[k]);
    }
    SaturateHalf(t, low);
    SaturateHalf(t, high);
    for (int k = 0; k < 3; ++k) {
        plane[k] = Narrow(low[k], high[k]);
    }
}

LENZOR_VECTOR_INLINE __m256d FourDoubles(const uint8_t* bytes) {
    int32_t four;
    std::memcpy(&four, bytes, 4);
    return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(four)));
}

// The weighted grey in IEEE double as the formula is written, (0.3 R + 0.59 G) + 0.11 B, four
// pixels at a time; the conversion rounds ties to even.
void Grey(__m256i plane[3]) {
    uint8_t b[32], g[32], r[32], grey[32];
    Store(b, plane[0]);
    Store(g, plane[1]);
    Store(r, plane[2]);
    const __m256d kRed = _mm256_set1_pd(0.3), kGreen = _mm256_set1_pd(0.59);
    const __m256d kBlue = _mm256_set1_pd(0.11);
    for (int i = 0; i < 32; i += 4) {
        const __m256d value =
            _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(kRed, FourDoubles(r + i)),
                                        _mm256_mul_pd(kGreen, FourDoubles(g + i))),
                          _mm256_mul_pd(kBlue, FourDoubles(b + i)));
        const __m128i rounded = _mm256_cvtpd_epi32(value);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(rounded, rounded), rounded);
        const int32_t four = _mm_cvtsi128_si32(bytes);
        std::memcpy(grey + i, &four, 4);
    }
    plane[0] = plane[1] = plane[2] = Load(grey);
}

void StreamRow(const VectorTables& t, const uint8_t* in, const uint8_t* noise, uint8_t* out,
               int bytes) {
    int i = 0;
    for (; i + 32 <= bytes; i += 32) {
        Store(out + i, noise ? PerChannel<true>(t, 0, Load(in + i), Load(noise + i))
                             : PerChannel<false>(t, 0, Load(in + i), _mm256_setzero_si256()));
    }
    if (i < bytes) {  // the rest through a padded block
        const std::size_t rest = static_cast<std::size_t>(bytes - i);
        uint8_t block[3][32] = {};
        std::memcpy(block[0], in + i, rest);
        if (noise) {
            std::memcpy(block[1], noise + i, rest);
        }
        Store(block[2], noise ? PerChannel<true>(t, 0, Load(block[0]), Load(block[1]))
                              : PerChannel<false>(t, 0, Load(block[0]), Load(block[1])));
        std::memcpy(out + i, block[2], rest);
    }
}

// 32 pixels: planes, the per-channel tables, solarize, grey or saturation, invert; one
// instance for each combination, so that no test is left in the loop.
template <bool kNoise, bool kSolarize, Mix kMix>
LENZOR_VECTOR_INLINE void PlaneBlock(const VectorTables& t, const uint8_t* in, const uint8_t* noise,
                                     uint8_t* out) {
    __m256i source[3], c[3];
    __m256i noisePlanes[3] = {_mm256_setzero_si256(), _mm256_setzero_si256(),
                              _mm256_setzero_si256()};
    Split(in, source);
    if constexpr (kNoise) {
        Split(noise, noisePlanes);
    }
    for (int k = 0; k < 3; ++k) {
        c[k] = PerChannel<kNoise>(t, 0, source[k], noisePlanes[k]);
    }
    if constexpr (kSolarize) {
        const __m256i mask = SolarizeMask(t, source);
        for (int k = 0; k < 3; ++k) {
            c[k] =
                _mm256_blendv_epi8(c[k], PerChannel<kNoise>(t, 1, source[k], noisePlanes[k]), mask);
        }
    }
    if constexpr (kMix == Mix::Grey) {
        Grey(c);
    } else if constexpr (kMix == Mix::Saturation) {
        Saturate(t, c);
    }
    if (t.scalar.invert) {
        for (__m256i& v : c) {
            v = _mm256_xor_si256(v, _mm256_set1_epi8(-1));
        }
    }
    Merge(out, c);
}

template <bool kNoise, bool kSolarize, Mix kMix>
void PlaneRow(const VectorTables& t, const uint8_t* in, const uint8_t* noise, uint8_t* out,
              int width) {
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        PlaneBlock<kNoise, kSolarize, kMix>(t, in + 3 * x, kNoise ? noise + 3 * x : nullptr,
                                            out + 3 * x);
    }
    if (x < width) {  // the rest through a padded block
        const std::size_t rest = 3 * static_cast<std::size_t>(width - x);
        uint8_t block[3][96] = {};
        std::memcpy(block[0], in + 3 * x, rest);
        if constexpr (kNoise) {
            std::memcpy(block[1], noise + 3 * x, rest);
        }
        PlaneBlock<kNoise, kSolarize, kMix>(t, block[0], block[1], block[2]);
        std::memcpy(out + 3 * x, block[2], rest);
    }
}

using PlaneRowFunction = void (*)(const VectorTables&, const uint8_t*, const uint8_t*, uint8_t*,
                                  int);

template <bool kNoise, bool kSolarize> PlaneRowFunction PlaneRowForMix(Mix mix) {
    switch (mix) {
    case Mix::Grey:
        return PlaneRow<kNoise, kSolarize, Mix::Grey>;
    case Mix::Saturation:
        return PlaneRow<kNoise, kSolarize, Mix::Saturation>;
    case Mix::None:
        break;
    }
    return PlaneRow<kNoise, kSolarize, Mix::None>;
}

PlaneRowFunction PlaneRowFor(bool noise, bool solarize, Mix mix) {
    if (noise) {
        return solarize ? PlaneRowForMix<true, true>(mix) : PlaneRowForMix<true, false>(mix);
    }
    return solarize ? PlaneRowForMix<false, true>(mix) : PlaneRowForMix<false, false>(mix);
}

}  // namespace

void RunPixelPassAvx2(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                      Bitmap24& display) {
    CheckRowWidth(source, kMaxPixelRowPixels);
    const VectorTables& tables = pixel_vector::VectorTablesFor(effects, noise != nullptr);
    const bool planes = tables.scalar.solarize || tables.scalar.mix != Mix::None;
    const PlaneRowFunction planeRow =
        PlaneRowFor(noise != nullptr, tables.scalar.solarize, tables.scalar.mix);
    for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* noiseRow = noise ? noise->Row(y) : nullptr;
        if (planes) {
            planeRow(tables, source.Row(y), noiseRow, display.Row(y), source.Width());
        } else {
            StreamRow(tables, source.Row(y), noiseRow, display.Row(y), 3 * source.Width());
        }
    }
}

}  // namespace lenzor
