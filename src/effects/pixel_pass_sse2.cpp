// The per-pixel pass with SSE2, the baseline of every build: the per-channel steps in 16-bit
// arithmetic where that is exact, else through tables looked up a byte at a time (SSE2 has no
// byte shuffle); the steps across channels on 16 pixels at a time in blue, green, red planes.
#include "effects/pixel_pass.h"
#include "effects/pixel_vector_tables.h"
#include "effects/row_bound.h"

#include <cstdint>
#include <cstring>
#include <emmintrin.h>
#include <vector>

namespace lenzor {
namespace {

using pixel_tables::Mix;
using pixel_vector::VectorTables;

__m128i Load(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}
void Store(void* p, __m128i v) {
    _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

// The per-channel part of the pass for one byte, table set s ([1]: solarized pixels).
uint8_t PerChannel(const pixel_tables::PassTables& t, int s, uint8_t c, const uint8_t* noise) {
    return noise ? t.lit[t.summed[s][c] + *noise + pixel_tables::kOffset] : t.direct[s][c];
}

void PerChannelRow(const pixel_tables::PassTables& t, int s, const uint8_t* in,
                   const uint8_t* noise, uint8_t* out, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[i] = PerChannel(t, s, in[i], noise ? noise + i : nullptr);
    }
}

__m128i Mask64(uint64_t high, uint64_t low) {
    return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

// 4 pixels (12 bytes at the bottom of v) into 4 dwords of blue, green, red and a zero byte.
__m128i Expand4(__m128i v) {
    const __m128i pairs = _mm_unpacklo_epi64(v, _mm_srli_si128(v, 6));  // pixels 0-1 | 2-3
    const __m128i even = _mm_and_si128(pairs, Mask64(0xFFFFFF, 0xFFFFFF));
    const __m128i odd =
        _mm_and_si128(_mm_slli_epi64(pairs, 8), Mask64(0xFFFFFF00000000, 0xFFFFFF00000000));
    return _mm_or_si128(even, odd);
}

// The reverse: 4 such dwords into 12 bytes at the bottom, zeros above.
__m128i Compress4(__m128i v) {
    const __m128i pairs =
        _mm_or_si128(_mm_and_si128(v, Mask64(0xFFFFFF, 0xFFFFFF)),
                     _mm_and_si128(_mm_srli_epi64(v, 8), Mask64(0xFFFFFF000000, 0xFFFFFF000000)));
    return _mm_or_si128(_mm_and_si128(pairs, Mask64(0, 0xFFFFFFFFFFFF)),
                        _mm_srli_si128(_mm_and_si128(pairs, Mask64(~0ull, 0)), 2));
}

// 16 pixels into blue, green and red planes.
void Split(const uint8_t* bytes, __m128i plane[3]) {
    const __m128i pixels[4] = {Expand4(Load(bytes)), Expand4(Load(bytes + 12)),
                               Expand4(Load(bytes + 24)),
                               Expand4(_mm_srli_si128(Load(bytes + 32), 4))};
    const __m128i low = _mm_set1_epi32(0xFF);
    for (int p = 0; p < 3; ++p) {
        __m128i channel[4];
        for (int i = 0; i < 4; ++i) {
            channel[i] = _mm_and_si128(_mm_srli_epi32(pixels[i], 8 * p), low);
        }
        plane[p] = _mm_packus_epi16(_mm_packs_epi32(channel[0], channel[1]),
                                    _mm_packs_epi32(channel[2], channel[3]));
    }
}

void Merge(uint8_t* bytes, const __m128i plane[3]) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i blueGreenLow = _mm_unpacklo_epi8(plane[0], plane[1]);
    const __m128i blueGreenHigh = _mm_unpackhi_epi8(plane[0], plane[1]);
    const __m128i redLow = _mm_unpacklo_epi8(plane[2], zero);
    const __m128i redHigh = _mm_unpackhi_epi8(plane[2], zero);
    const __m128i chunk[4] = {Compress4(_mm_unpacklo_epi16(blueGreenLow, redLow)),
                              Compress4(_mm_unpackhi_epi16(blueGreenLow, redLow)),
                              Compress4(_mm_unpacklo_epi16(blueGreenHigh, redHigh)),
                              Compress4(_mm_unpackhi_epi16(blueGreenHigh, redHigh))};
    Store(bytes, _mm_or_si128(chunk[0], _mm_slli_si128(chunk[1], 12)));
    Store(bytes + 16, _mm_or_si128(_mm_srli_si128(chunk[1], 4), _mm_slli_si128(chunk[2], 8)));
    Store(bytes + 32, _mm_or_si128(_mm_srli_si128(chunk[2], 8), _mm_slli_si128(chunk[3], 4)));
}

__m128i WidenLow(__m128i v) {
    return _mm_unpacklo_epi8(v, _mm_setzero_si128());
}
__m128i WidenHigh(__m128i v) {
    return _mm_unpackhi_epi8(v, _mm_setzero_si128());
}

__m128i MeanOf(__m128i b, __m128i g, __m128i r) {
    const __m128i sum = _mm_add_epi16(_mm_add_epi16(b, g), r);
    return _mm_mulhi_epu16(sum,
                           _mm_set1_epi16(static_cast<int16_t>(pixel_vector::kThirdMultiplier)));
}

__m128i SolarizeMask(const VectorTables& t, const __m128i source[3]) {
    const __m128i above = _mm_set1_epi16(t.solarizeAbove);
    const __m128i low = _mm_cmpgt_epi16(
        MeanOf(WidenLow(source[0]), WidenLow(source[1]), WidenLow(source[2])), above);
    const __m128i high = _mm_cmpgt_epi16(
        MeanOf(WidenHigh(source[0]), WidenHigh(source[1]), WidenHigh(source[2])), above);
    return _mm_packs_epi16(low, high);
}

__m128i Negated(__m128i v) {
    return _mm_sub_epi16(_mm_setzero_si128(), v);
}

// a, negated in the lanes where b is negative.
__m128i SignOf(__m128i a, __m128i b) {
    const __m128i negative = _mm_srai_epi16(b, 15);
    return _mm_sub_epi16(_mm_xor_si128(a, negative), negative);
}

// The constants of the 16-bit steps, broadcast once a row rather than once a block. Each
// factor is a quotient, a multiplier and a sign (see ScaledBy).
struct Wide {
    __m128i c127, c255, cap, above, brightness;
    __m128i contrast[3], lightness[3], darkness[3], saturation[3];
};

void Broadcast(const pixel_vector::ScaledBy& s, int sign, __m128i factor[3]) {
    factor[0] = _mm_set1_epi16(static_cast<int16_t>(s.quotient));
    factor[1] = _mm_set1_epi16(static_cast<int16_t>(s.multiplier));
    factor[2] = _mm_set1_epi16(static_cast<int16_t>(sign * s.sign));
}

Wide WideFor(const VectorTables& t) {
    const auto& a = t.arithmetic;
    Wide w;
    w.c127 = _mm_set1_epi16(127);
    w.c255 = _mm_set1_epi16(255);
    w.cap = _mm_set1_epi16(256);
    w.above = _mm_set1_epi16(t.solarizeAbove);
    w.brightness = _mm_set1_epi16(a.brightness);
    Broadcast(a.contrast, 1, w.contrast);
    Broadcast(a.lightness, 1, w.lightness);
    Broadcast(a.darkness, -1, w.darkness);  // subtracted
    Broadcast(t.saturation, 1, w.saturation);
    return w;
}

// floor(x * m / 255) for x in 0..255 (see ScaledBy).
__m128i Scaled(const __m128i factor[3], __m128i x) {
    return _mm_add_epi16(_mm_mullo_epi16(x, factor[0]), _mm_mulhi_epu16(x, factor[1]));
}

// Channels of 0..255 in 16-bit lanes: mean + (c - mean) * (saturation + 255) / 255, not yet
// clamped (the narrowing to bytes clamps). Within the arithmetic's limits the factor is
// positive and the products fit; in general the sign is multiplied in and the delta capped
// where every result clamps anyway.
template <bool kGeneral> void SaturateHalf(const Wide& w, __m128i c[3]) {
    const __m128i mean = MeanOf(c[0], c[1], c[2]);
    for (int k = 0; k < 3; ++k) {
        __m128i d = _mm_sub_epi16(c[k], mean);
        if constexpr (kGeneral) {
            d = _mm_mullo_epi16(d, w.saturation[2]);
        }
        __m128i delta = Scaled(w.saturation, _mm_max_epi16(d, Negated(d)));
        if constexpr (kGeneral) {
            delta = _mm_sub_epi16(delta, _mm_subs_epu16(delta, w.cap));  // at most 256
        }
        c[k] = _mm_add_epi16(mean, SignOf(delta, d));
    }
}

void Saturate(const Wide& w, __m128i plane[3]) {
    __m128i low[3], high[3];
    for (int k = 0; k < 3; ++k) {
        low[k] = WidenLow(plane[k]);
        high[k] = WidenHigh(plane[k]);
    }
    SaturateHalf<true>(w, low);
    SaturateHalf<true>(w, high);
    for (int k = 0; k < 3; ++k) {
        plane[k] = _mm_packus_epi16(low[k], high[k]);
    }
}

// c + contrast + lightness + darkness + brightness + noise of channels 0..255 in 16-bit lanes,
// exact and unclamped (ChannelArithmetic keeps every sum inside the lane). The signs of the
// factors are multiplied in, and a factor of 0 gives 0.
__m128i Summed(const pixel_vector::ChannelArithmetic& a, const Wide& w, __m128i c, __m128i noise) {
    const __m128i side = _mm_mullo_epi16(_mm_sub_epi16(c, w.c127), w.contrast[2]);
    const __m128i k = SignOf(Scaled(w.contrast, _mm_max_epi16(side, Negated(side))), side);
    __m128i sum = _mm_add_epi16(_mm_add_epi16(_mm_add_epi16(c, w.brightness), noise), k);
    if (!a.contrastOnly) {
        const __m128i l = Scaled(w.lightness, _mm_sub_epi16(w.c255, c));
        const __m128i d = Scaled(w.darkness, c);
        sum = _mm_add_epi16(sum, _mm_add_epi16(_mm_mullo_epi16(l, w.lightness[2]),
                                               _mm_mullo_epi16(d, w.darkness[2])));
    }
    return sum;
}

// The weighted grey in IEEE double as the formula is written, two pixels at a time; the
// conversion rounds ties to even.
void Grey(__m128i plane[3]) {
    uint8_t b[16], g[16], r[16], grey[16];
    Store(b, plane[0]);
    Store(g, plane[1]);
    Store(r, plane[2]);
    const __m128d kRed = _mm_set1_pd(0.3), kGreen = _mm_set1_pd(0.59), kBlue = _mm_set1_pd(0.11);
    const auto widen = [](const uint8_t* p) { return _mm_set_pd(p[1], p[0]); };
    for (int i = 0; i < 16; i += 2) {
        const __m128d value =
            _mm_add_pd(_mm_add_pd(_mm_mul_pd(kRed, widen(r + i)), _mm_mul_pd(kGreen, widen(g + i))),
                       _mm_mul_pd(kBlue, widen(b + i)));
        const __m128i rounded = _mm_cvtpd_epi32(value);
        grey[i] = static_cast<uint8_t>(_mm_cvtsi128_si32(rounded));
        grey[i + 1] = static_cast<uint8_t>(_mm_cvtsi128_si32(_mm_srli_si128(rounded, 4)));
    }
    plane[0] = plane[1] = plane[2] = Load(grey);
}

__m128i Inverted(const VectorTables& t, __m128i v) {
    return t.arithmetic.invert ? _mm_xor_si128(v, _mm_set1_epi8(-1)) : v;
}

// Without steps across channels: noise added to unchanged channels needs no table, a
// saturating add does it; the arithmetic 16 bytes at a time where it is exact; else the tables.
void StreamRow(const VectorTables& t, const uint8_t* in, const uint8_t* noise, uint8_t* out,
               int bytes) {
    const bool plainNoise = noise && t.positive[0].identity && t.negative[0].zero && t.lit.identity;
    int i = 0;
    if (plainNoise) {
        for (; i + 16 <= bytes; i += 16) {
            Store(out + i, _mm_adds_epu8(Load(in + i), Load(noise + i)));
        }
    } else if (!noise && t.direct[0].identity) {
        std::memcpy(out, in, static_cast<std::size_t>(bytes));
        return;
    } else if (t.arithmetic.usable) {
        const Wide w = WideFor(t);
        const __m128i zero = _mm_setzero_si128();
        for (; i + 16 <= bytes; i += 16) {
            const __m128i c = Load(in + i);
            const __m128i n = noise ? Load(noise + i) : zero;
            const __m128i low = Summed(t.arithmetic, w, WidenLow(c), WidenLow(n));
            const __m128i high = Summed(t.arithmetic, w, WidenHigh(c), WidenHigh(n));
            Store(out + i, Inverted(t, _mm_packus_epi16(low, high)));
        }
    }
    PerChannelRow(t.scalar, 0, in + i, noise ? noise + i : nullptr, out + i, bytes - i);
}

// 16 pixels by the arithmetic, in 16-bit planes from the per-channel steps through the
// saturation.
void ArithmeticBlock(const VectorTables& t, const Wide& w, const uint8_t* in, const uint8_t* noise,
                     uint8_t* out) {
    const auto& s = t.scalar;
    const __m128i zero = _mm_setzero_si128();
    __m128i source[3], noisePlanes[3] = {zero, zero, zero};
    Split(in, source);
    if (noise) {
        Split(noise, noisePlanes);
    }
    __m128i half[2][3];
    for (int h = 0; h < 2; ++h) {
        __m128i* c = half[h];
        for (int k = 0; k < 3; ++k) {
            c[k] = h == 0 ? WidenLow(source[k]) : WidenHigh(source[k]);
        }
        if (s.solarize) {
            const __m128i flip =
                _mm_and_si128(_mm_cmpgt_epi16(MeanOf(c[0], c[1], c[2]), w.above), w.c255);
            for (int k = 0; k < 3; ++k) {
                c[k] = _mm_xor_si128(c[k], flip);
            }
        }
        for (int k = 0; k < 3; ++k) {
            const __m128i n = h == 0 ? WidenLow(noisePlanes[k]) : WidenHigh(noisePlanes[k]);
            c[k] = Summed(t.arithmetic, w, c[k], n);
        }
        if (s.mix == Mix::Saturation) {
            for (int k = 0; k < 3; ++k) {
                c[k] = _mm_min_epi16(_mm_max_epi16(c[k], zero), w.c255);
            }
            SaturateHalf<false>(w, c);
        }
    }
    __m128i c[3];
    for (int k = 0; k < 3; ++k) {
        c[k] = _mm_packus_epi16(half[0][k], half[1][k]);
    }
    if (s.mix == Mix::Grey) {
        Grey(c);
    }
    for (__m128i& v : c) {
        v = Inverted(t, v);
    }
    Merge(out, c);
}

// looked[s]: the row through the per-channel tables of set s.
void TablePlaneRow(const VectorTables& t, const uint8_t* in, uint8_t* const looked[2], uint8_t* out,
                   int width) {
    const auto& s = t.scalar;
    const Wide w = WideFor(t);
    for (int x = 0; x + 16 <= width; x += 16) {
        __m128i c[3];
        Split(looked[0] + 3 * x, c);
        if (s.solarize) {
            __m128i source[3], solarized[3];
            Split(in + 3 * x, source);
            Split(looked[1] + 3 * x, solarized);
            const __m128i mask = SolarizeMask(t, source);
            for (int k = 0; k < 3; ++k) {
                c[k] =
                    _mm_or_si128(_mm_and_si128(mask, solarized[k]), _mm_andnot_si128(mask, c[k]));
            }
        }
        if (s.mix == Mix::Grey) {
            Grey(c);
        } else if (s.mix == Mix::Saturation) {
            Saturate(w, c);
        }
        if (s.invert) {
            for (__m128i& v : c) {
                v = _mm_xor_si128(v, _mm_set1_epi8(-1));
            }
        }
        Merge(out + 3 * x, c);
    }
}

}  // namespace

void RunPixelPassSse2(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                      Bitmap24& display) {
    CheckRowWidth(source, kMaxPixelRowPixels);
    const VectorTables& tables = pixel_vector::VectorTablesFor(effects, noise != nullptr);
    const auto& s = tables.scalar;
    const bool planes = s.solarize || s.mix != Mix::None;
    const bool arithmetic = planes && tables.arithmetic.usable;
    const int width = source.Width();
    const int blockWidth = width - width % 16;  // the rest of a row goes through the tables
    std::vector<uint8_t> scratch(planes && !arithmetic ? 6 * static_cast<std::size_t>(blockWidth)
                                                       : 0);
    uint8_t* const looked[2] = {scratch.data(),
                                scratch.empty() ? nullptr : scratch.data() + 3 * blockWidth};
    const Wide w = WideFor(tables);
    for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* in = source.Row(y);
        const uint8_t* noiseRow = noise ? noise->Row(y) : nullptr;
        uint8_t* out = display.Row(y);
        if (!planes) {
            StreamRow(tables, in, noiseRow, out, 3 * width);
            continue;
        }
        if (arithmetic) {
            for (int x = 0; x < blockWidth; x += 16) {
                ArithmeticBlock(tables, w, in + 3 * x, noiseRow ? noiseRow + 3 * x : nullptr,
                                out + 3 * x);
            }
        } else {
            for (int set = 0; set < (s.solarize ? 2 : 1); ++set) {
                PerChannelRow(s, set, in, noiseRow, looked[set], 3 * blockWidth);
            }
            TablePlaneRow(tables, in, looked, out, blockWidth);
        }
        if (blockWidth < width) {
            const std::size_t done = 3 * static_cast<std::size_t>(blockWidth);
            pixel_tables::RenderRow(s, noise != nullptr, in + done,
                                    noiseRow ? noiseRow + done : nullptr, out + done,
                                    width - blockWidth);
        }
    }
}

}  // namespace lenzor
