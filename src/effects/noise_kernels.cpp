#include "effects/noise_kernels.h"

#include "core/numeric.h"
#include "core/random.h"
#include "effects/row_bound.h"

#include <cstring>
#include <vector>

namespace lenzor {
namespace {

// Negative differences clamp to 0 rather than fold, so about half the draws add nothing.
uint8_t NoiseValue(int32_t draw, int n) {
    return static_cast<uint8_t>(ClampByte(draw - (n >> 1)));
}

void Clear(Bitmap24& layer) {
    if (!layer.Empty()) {
        std::memset(layer.Data(), 0, layer.SizeInBytes());
    }
}

}  // namespace

void FillColorNoiseFrom(Bitmap24& layer, int n, uint32_t& seed) {
    CheckRowWidth(layer, kMaxKernelRowPixels);
    if (n < 1) {
        Clear(layer);
        return;
    }
    std::vector<int32_t> draws(static_cast<std::size_t>(layer.Width()) * 3);
    for (int y = 0; y < layer.Height(); ++y) {
        RandomDrawsFrom(seed, n, draws.data(), draws.size());
        uint8_t* pixel = layer.Row(y);
        const int32_t* draw = draws.data();
        for (int x = 0; x < layer.Width(); ++x, pixel += 3, draw += 3) {
            pixel[2] = NoiseValue(draw[0], n);
            pixel[1] = NoiseValue(draw[1], n);
            pixel[0] = NoiseValue(draw[2], n);
        }
    }
}

void FillMonoNoiseFrom(Bitmap24& layer, int n, uint32_t& seed) {
    CheckRowWidth(layer, kMaxKernelRowPixels);
    if (n < 1) {
        Clear(layer);
        return;
    }
    std::vector<int32_t> draws(static_cast<std::size_t>(layer.Width()));
    for (int y = 0; y < layer.Height(); ++y) {
        RandomDrawsFrom(seed, n, draws.data(), draws.size());
        uint8_t* pixel = layer.Row(y);
        for (int x = 0; x < layer.Width(); ++x, pixel += 3) {
            pixel[0] = pixel[1] = pixel[2] = NoiseValue(draws[x], n);
        }
    }
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
