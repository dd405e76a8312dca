#include "effects/noise_kernels.h"

#include "core/numeric.h"
#include "core/random.h"
#include "effects/row_bound.h"

#include <cstring>

namespace lenzor {
namespace {

// Negative differences clamp to 0 rather than fold, so about half the draws add nothing.
uint8_t DrawNoise(int n) {
    return static_cast<uint8_t>(ClampByte(Random(n) - (n >> 1)));
}

void Clear(Bitmap24& layer) {
    if (!layer.Empty()) {
        std::memset(layer.Data(), 0, layer.SizeInBytes());
    }
}

}  // namespace

void FillColorNoise(Bitmap24& layer, int n) {
    CheckRowWidth(layer, kMaxKernelRowPixels);
    if (n < 1) {
        Clear(layer);
        return;
    }
    for (int y = 0; y < layer.Height(); ++y) {
        uint8_t* pixel = layer.Row(y);
        for (int x = 0; x < layer.Width(); ++x, pixel += 3) {
            pixel[2] = DrawNoise(n);
            pixel[1] = DrawNoise(n);
            pixel[0] = DrawNoise(n);
        }
    }
}

void FillMonoNoise(Bitmap24& layer, int n) {
    CheckRowWidth(layer, kMaxKernelRowPixels);
    if (n < 1) {
        Clear(layer);
        return;
    }
    for (int y = 0; y < layer.Height(); ++y) {
        uint8_t* pixel = layer.Row(y);
        for (int x = 0; x < layer.Width(); ++x, pixel += 3) {
            pixel[0] = pixel[1] = pixel[2] = DrawNoise(n);
        }
    }
}

}  // namespace lenzor
