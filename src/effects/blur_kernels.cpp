#include "effects/blur_kernels.h"

#include "effects/row_bound.h"

#include <algorithm>
#include <utility>

namespace lenzor {

void SplitBlurBitmap(Bitmap24& bitmap, int k) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (k <= 0 || bitmap.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    // The far-edge rule names row H - y and column W - x, inside the image only for k < H, W.
    const int ky = std::min(k, height - 1);
    const int kx = std::min(k, width - 1);
    for (int y = 0; y < height; ++y) {
        // Samples above y, or left of x in row y, are read with their already blurred values.
        const uint8_t* upper = bitmap.Row(y - ky >= 0 ? y - ky : y);
        const uint8_t* lower = bitmap.Row(y + ky < height ? y + ky : height - y);
        uint8_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            const int a = 3 * (x - kx >= 0 ? x - kx : x);
            const int b = 3 * (x + kx < width ? x + kx : width - x);
            for (int c = 0; c < 3; ++c) {
                row[3 * x + c] = static_cast<uint8_t>(
                    (upper[a + c] + lower[a + c] + upper[b + c] + lower[b + c]) >> 2);
            }
        }
    }
}

void GaussianBlurBitmap(Bitmap24& bitmap, int passes) {
    for (int pass = 0; pass <= passes; ++pass) {
        SplitBlurBitmap(bitmap, 3);
    }
}

void AntiAliasRect(Bitmap24& bitmap, int x1, int y1, int x2, int y2) {
    if (x2 < x1) {
        std::swap(x1, x2);
    }
    if (y2 < y1) {
        std::swap(y1, y2);
    }
    x1 = std::max(1, x1);
    y1 = std::max(1, y1);
    x2 = std::min(bitmap.Width() - 2, x2);
    y2 = std::min(bitmap.Height() - 2, y2);
    if (x1 > x2 || y1 > y2) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    for (int y = y1; y <= y2; ++y) {
        const uint8_t* above = bitmap.Row(y - 1);
        const uint8_t* below = bitmap.Row(y + 1);
        uint8_t* row = bitmap.Row(y);
        for (int i = 3 * x1; i < 3 * (x2 + 1); ++i) {
            row[i] = static_cast<uint8_t>((above[i] + below[i] + row[i - 3] + row[i + 3]) >> 2);
        }
    }
}

}  // namespace lenzor
