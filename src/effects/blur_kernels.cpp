#include "effects/blur_kernels.h"

#include "effects/blur_spans.h"
#include "effects/row_bound.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace lenzor {
namespace {

// The far-edge rule names row H - y and column W - x, inside the image only for k < H, W.
struct SplitBlurDistances {
    int ky, kx;
};

SplitBlurDistances DistancesFor(const Bitmap24& bitmap, int k) {
    return {std::min(k, bitmap.Height() - 1), std::min(k, bitmap.Width() - 1)};
}

// Pixels [from, to) of row y, in place, left to right, as the reference does them.
void SplitBlurPixels(Bitmap24& bitmap, int y, SplitBlurDistances d, int from, int to) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    const uint8_t* upper = bitmap.Row(y - d.ky >= 0 ? y - d.ky : y);
    const uint8_t* lower = bitmap.Row(y + d.ky < height ? y + d.ky : height - y);
    uint8_t* row = bitmap.Row(y);
    for (int x = from; x < to; ++x) {
        const int a = 3 * (x - d.kx >= 0 ? x - d.kx : x);
        const int b = 3 * (x + d.kx < width ? x + d.kx : width - x);
        for (int c = 0; c < 3; ++c) {
            row[3 * x + c] = static_cast<uint8_t>(
                (upper[a + c] + lower[a + c] + upper[b + c] + lower[b + c]) >> 2);
        }
    }
}

struct AntiAliasBounds {
    int x1, y1, x2, y2;
    bool Empty() const { return x1 > x2 || y1 > y2; }
};

AntiAliasBounds Clip(const Bitmap24& bitmap, int x1, int y1, int x2, int y2) {
    if (x2 < x1) {
        std::swap(x1, x2);
    }
    if (y2 < y1) {
        std::swap(y1, y2);
    }
    return {std::max(1, x1), std::max(1, y1), std::min(bitmap.Width() - 2, x2),
            std::min(bitmap.Height() - 2, y2)};
}

}  // namespace

void SplitBlurBitmapReference(Bitmap24& bitmap, int k) {
    if (k <= 0 || bitmap.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    const SplitBlurDistances d = DistancesFor(bitmap, k);
    for (int y = 0; y < bitmap.Height(); ++y) {
        // Samples above y, or left of x in row y, are read with their already blurred values.
        SplitBlurPixels(bitmap, y, d, 0, bitmap.Width());
    }
}

void SplitBlurBitmapWith(SimdLevel level, Bitmap24& bitmap, int k) {
    if (level == SimdLevel::Reference) {
        SplitBlurBitmapReference(bitmap, k);
        return;
    }
    if (k <= 0 || bitmap.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    const SplitBlurDistances d = DistancesFor(bitmap, k);
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    for (int y = 0; y < height; ++y) {
        const int upperY = y - d.ky >= 0 ? y - d.ky : y;
        const int lowerY = y + d.ky < height ? y + d.ky : height - y;
        // Where both sample rows are other rows, no pixel of this row reads another one, so
        // the columns whose samples lie inside the row on both sides go many at a time.
        const int from = d.kx;
        const int to = width - d.kx;
        if (upperY == y || lowerY == y || from >= to) {
            SplitBlurPixels(bitmap, y, d, 0, width);
            continue;
        }
        SplitBlurPixels(bitmap, y, d, 0, from);
        BlurSpan(level, bitmap.Row(upperY) + 3 * from, bitmap.Row(lowerY) + 3 * from,
                 bitmap.Row(y) + 3 * from, 3 * (to - from), 3 * d.kx);
        SplitBlurPixels(bitmap, y, d, to, width);
    }
}

void SplitBlurBitmap(Bitmap24& bitmap, int k) {
    SplitBlurBitmapWith(ActiveSimdLevel(), bitmap, k);
}

void GaussianBlurBitmap(Bitmap24& bitmap, int passes) {
    for (int pass = 0; pass <= passes; ++pass) {
        SplitBlurBitmap(bitmap, 3);
    }
}

void AntiAliasRectReference(Bitmap24& bitmap, int x1, int y1, int x2, int y2) {
    const AntiAliasBounds r = Clip(bitmap, x1, y1, x2, y2);
    if (r.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    for (int y = r.y1; y <= r.y2; ++y) {
        const uint8_t* above = bitmap.Row(y - 1);
        const uint8_t* below = bitmap.Row(y + 1);
        uint8_t* row = bitmap.Row(y);
        for (int i = 3 * r.x1; i < 3 * (r.x2 + 1); ++i) {
            row[i] = static_cast<uint8_t>((above[i] + below[i] + row[i - 3] + row[i + 3]) >> 2);
        }
    }
}

// The three samples that do not depend on the row's new values (the row above is done, the row
// below and the right neighbour are still old) are summed for the whole row first, 16 at a
// time; the left neighbour's new value then comes from a register, not back from the byte
// just stored, so each channel's chain is one add and one shift a pixel.
void AntiAliasRect(Bitmap24& bitmap, int x1, int y1, int x2, int y2) {
    if (ActiveSimdLevel() == SimdLevel::Reference) {
        AntiAliasRectReference(bitmap, x1, y1, x2, y2);
        return;
    }
    const AntiAliasBounds r = Clip(bitmap, x1, y1, x2, y2);
    if (r.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    const int first = 3 * r.x1;
    const int count = 3 * (r.x2 - r.x1 + 1);
    std::vector<uint16_t> sums(static_cast<std::size_t>(count));
    for (int y = r.y1; y <= r.y2; ++y) {
        uint8_t* row = bitmap.Row(y) + first;
        SumOfThree(bitmap.Row(y - 1) + first, bitmap.Row(y + 1) + first, row + 3, sums.data(),
                   count);
        unsigned blue = row[-3], green = row[-2], red = row[-1];
        for (int i = 0; i < count; i += 3) {
            blue = (sums[i] + blue) >> 2;
            green = (sums[i + 1] + green) >> 2;
            red = (sums[i + 2] + red) >> 2;
            row[i] = static_cast<uint8_t>(blue);
            row[i + 1] = static_cast<uint8_t>(green);
            row[i + 2] = static_cast<uint8_t>(red);
        }
    }
}

}  // namespace lenzor
