#include "effects/pixel_pass.h"

#include "effects/pixel_steps.h"
#include "effects/row_bound.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lenzor {
namespace {

using namespace pixel_steps;

// Summed values are kept clamped to -256..256: with noise of 0..255 added, ClampByte then
// gives what the unclamped sum would give. Sums plus noise span -256..511, so the tables
// indexed by them start at -256.
constexpr int kSumLimit = 256;
constexpr int kOffset = 256;
constexpr int kSpan = 768;

int16_t Limited(int64_t value) {
    return static_cast<int16_t>(std::clamp<int64_t>(value, -kSumLimit, kSumLimit));
}

enum class Mix { None, Grey, Saturation };

// The pass reduced to per-channel tables; index [1] of the pairs is for solarized pixels.
struct PassTables {
    std::array<int16_t, 256> summed[2];   // byte -> summed value, before noise
    std::array<uint8_t, kSpan> lit;       // summed + noise -> clamped and split lit, also
                                          // inverted when no grey or saturation follows
    std::array<uint8_t, 256> direct[2];   // byte -> lit[summed] for passes without noise
    std::array<int16_t, 511> saturation;  // channel - mean + 255 -> limited delta
    std::array<uint8_t, kSpan> clamp;     // v + 256 -> ClampByte(v)
    Mix mix = Mix::None;
    bool solarize = false;
    int solarizeAbove = 255;  // a pixel whose mean is above this is solarized
};

void BuildTables(const PixelEffects& e, PassTables& t) {
    t.mix = e.grayScale ? Mix::Grey : (e.saturation != 0 ? Mix::Saturation : Mix::None);
    t.solarize = e.posterize == 0 && e.solorize != 0;
    t.solarizeAbove = 255 - e.solorize;
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

template <bool kNoise, bool kSolarize, Mix kMix>
void RenderRow(const uint8_t* in, const uint8_t* noise, uint8_t* target, int width,
               const PassTables& t, bool invert) {
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
            if (invert) {
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

using RowRenderer = void (*)(const uint8_t*, const uint8_t*, uint8_t*, int, const PassTables&,
                             bool);

template <bool kNoise, bool kSolarize> RowRenderer RendererForMix(Mix mix) {
    switch (mix) {
    case Mix::Grey:
        return RenderRow<kNoise, kSolarize, Mix::Grey>;
    case Mix::Saturation:
        return RenderRow<kNoise, kSolarize, Mix::Saturation>;
    case Mix::None:
        break;
    }
    return RenderRow<kNoise, kSolarize, Mix::None>;
}

RowRenderer PickRenderer(bool noise, bool solarize, Mix mix) {
    if (noise) {
        return solarize ? RendererForMix<true, true>(mix) : RendererForMix<true, false>(mix);
    }
    return solarize ? RendererForMix<false, true>(mix) : RendererForMix<false, false>(mix);
}

}  // namespace

void RunPixelPass(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& effects,
                  Bitmap24& display) {
    CheckRowWidth(source, kMaxPixelRowPixels);
    PassTables tables;
    BuildTables(effects, tables);
    const RowRenderer render = PickRenderer(noise != nullptr, tables.solarize, tables.mix);
    for (int y = 0; y < source.Height(); ++y) {
        render(source.Row(y), noise != nullptr ? noise->Row(y) : nullptr, display.Row(y),
               source.Width(), tables, effects.invert);
    }
}

}  // namespace lenzor
