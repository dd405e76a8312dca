#include "effects/pixel_pass.h"

#include "effects/pixel_steps.h"
#include "effects/pixel_tables.h"
#include "effects/row_bound.h"
#include "effects/simd_level.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lenzor {
namespace pixel_tables {
namespace {

using namespace pixel_steps;

int16_t Limited(int64_t value) {
    return static_cast<int16_t>(std::clamp<int64_t>(value, -kSumLimit, kSumLimit));
}

}  // namespace

void BuildTables(const PixelEffects& e, PassTables& t) {
    t.mix = e.grayScale ? Mix::Grey : (e.saturation != 0 ? Mix::Saturation : Mix::None);
    t.solarize = e.posterize == 0 && e.solorize != 0;
    t.solarizeAbove = 255 - e.solorize;
    t.invert = e.invert && t.mix != Mix::None;
    const bool invertHere = e.invert && t.mix == Mix::None;
    for (int v = 0; v < kSpan; ++v) {
        t.clamp[v] = static_cast<uint8_t>(ClampByte(v - kOffset));
        const uint8_t lit = SplitLit(t.clamp[v], e.splitlight);
        t.lit[v] = invertHere ? static_cast<uint8_t>(255 - lit) : lit;
    }
    for (int c = 0; c < 256; ++c) {
        const int64_t base = e.posterize != 0 ? Posterized(c, e.posterize) : c;
        t.summed[0][c] = Limited(Summed(base, e));
        t.summed[1][c] = Limited(Summed(255 - c, e));
        for (int s : {0, 1}) {
            t.direct[s][c] = t.lit[t.summed[s][c] + kOffset];
        }
    }
    for (int d = -255; d <= 255; ++d) {
        t.saturation[d + 255] = Limited(SaturationDelta(d, e.saturation));
    }
}

namespace {

template <bool kNoise, bool kSolarize, Mix kMix>
void RenderRowAs(const uint8_t* in, const uint8_t* noise, uint8_t* target, int width,
                 const PassTables& t) {
    for (int x = 0; x < width; ++x, in += 3, target += 3) {
        int s = 0;
        if constexpr (kSolarize) {
            s = Mean(in[2], in[1], in[0]) > t.solarizeAbove ? 1 : 0;
        }
        uint8_t b, g, r;
        if constexpr (kNoise) {
            const int16_t* summed = t.summed[s].data();
            b = t.lit[summed[in[0]] + noise[0] + kOffset];
            g = t.lit[summed[in[1]] + noise[1] + kOffset];
            r = t.lit[summed[in[2]] + noise[2] + kOffset];
            noise += 3;
        } else {
            const uint8_t* direct = t.direct[s].data();
            b = direct[in[0]];
            g = direct[in[1]];
            r = direct[in[2]];
        }
        if constexpr (kMix == Mix::Grey) {
            b = g = r = Grey(r, g, b);
        } else if constexpr (kMix == Mix::Saturation) {
            const int mean = Mean(r, g, b);
            b = t.clamp[mean + t.saturation[b - mean + 255] + kOffset];
            g = t.clamp[mean + t.saturation[g - mean + 255] + kOffset];
            r = t.clamp[mean + t.saturation[r - mean + 255] + kOffset];
        }
        if constexpr (kMix != Mix::None) {
            if (t.invert) {
                b = static_cast<uint8_t>(255 - b);
                g = static_cast<uint8_t>(255 - g);
                r = static_cast<uint8_t>(255 - r);
            }
        }
        target[0] = b;
        target[1] = g;
        target[2] = r;
    }
}

using RowRenderer = void (*)(const uint8_t*, const uint8_t*, uint8_t*, int, const PassTables&);

template <bool kNoise, bool kSolarize> RowRenderer RendererForMix(Mix mix) {
    switch (mix) {
    case Mix::Grey:
        return RenderRowAs<kNoise, kSolarize, Mix::Grey>;
    case Mix::Saturation:
        return RenderRowAs<kNoise, kSolarize, Mix::Saturation>;
    case Mix::None:
        break;
    }
    return RenderRowAs<kNoise, kSolarize, Mix::None>;
}

RowRenderer PickRenderer(bool noise, bool solarize, Mix mix) {
    if (noise) {
        return solarize ? RendererForMix<true, true>(mix) : RendererForMix<true, false>(mix);
    }
    return solarize ? RendererForMix<false, true>(mix) : RendererForMix<false, false>(mix);
}

}  // namespace

void RenderRow(const PassTables& tables, bool noise, const uint8_t* in, const uint8_t* noiseRow,
               uint8_t* out, int width) {
    PickRenderer(noise, tables.solarize, tables.mix)(in, noiseRow, out, width, tables);
}

}  // namespace pixel_tables

void RunPixelPassTables(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                        Bitmap24& display) {
    using namespace pixel_tables;
    CheckRowWidth(source, kMaxPixelRowPixels);
    PassTables tables;
    BuildTables(effects, tables);
    const RowRenderer render = PickRenderer(noise != nullptr, tables.solarize, tables.mix);
    for (int y = 0; y < source.Height(); ++y) {
        render(source.Row(y), noise != nullptr ? noise->Row(y) : nullptr, display.Row(y),
               source.Width(), tables);
    }
}

void RunPixelPassVector(SimdLevel level, const Bitmap24& source, const Bitmap24* noise,
                        const PixelEffects& effects, Bitmap24& display) {
    switch (level) {
    case SimdLevel::Reference:
        RunPixelPassReference(source, noise, effects, display);
        break;
    case SimdLevel::Sse2:
        RunPixelPassSse2(source, noise, effects, display);
        break;
    case SimdLevel::Avx2:
        RunPixelPassAvx2(source, noise, effects, display);
        break;
    }
}

void RunPixelPass(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                  Bitmap24& display) {
    RunPixelPassVector(ActiveSimdLevel(), source, noise, effects, display);
}

}  // namespace lenzor
