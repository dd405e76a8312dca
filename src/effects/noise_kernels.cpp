#include "effects/noise_kernels.h"

#include "core/random.h"
#include "effects/noise_rows.h"
#include "effects/row_bound.h"

#include <cstring>

namespace lenzor {
namespace {

void Clear(Bitmap24& layer) {
    if (!layer.Empty()) {
        std::memset(layer.Data(), 0, layer.SizeInBytes());
    }
}

void Fill(NoiseKind kind, Bitmap24& layer, int n, uint32_t& seed) {
    CheckRowWidth(layer, kMaxKernelRowPixels);
    if (n < 1) {
        Clear(layer);
        return;
    }
    const SimdLevel level = ActiveSimdLevel();
    for (int y = 0; y < layer.Height(); ++y) {
        NoiseRow(level, kind, layer.Row(y), layer.Width(), n, seed);
    }
}

}  // namespace

void FillColorNoiseFrom(Bitmap24& layer, int n, uint32_t& seed) {
    Fill(NoiseKind::Color, layer, n, seed);
}

void FillMonoNoiseFrom(Bitmap24& layer, int n, uint32_t& seed) {
    Fill(NoiseKind::Mono, layer, n, seed);
}

void FillColorNoise(Bitmap24& layer, int n) {
    uint32_t seed = RandomSeed();
    FillColorNoiseFrom(layer, n, seed);
    SetRandomSeed(seed);
}

void FillMonoNoise(Bitmap24& layer, int n) {
    uint32_t seed = RandomSeed();
    FillMonoNoiseFrom(layer, n, seed);
    SetRandomSeed(seed);
}

uint64_t ColorNoiseDraws(const Bitmap24& layer) {
    return MonoNoiseDraws(layer) * 3;
}

uint64_t MonoNoiseDraws(const Bitmap24& layer) {
    return static_cast<uint64_t>(layer.Width()) * static_cast<uint64_t>(layer.Height());
}

}  // namespace lenzor
