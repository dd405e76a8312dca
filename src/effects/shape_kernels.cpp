#include "effects/shape_kernels.h"

#include "effects/row_bound.h"

#include <algorithm>
#include <vector>

namespace lenzor {
namespace {

void EmbossRow(uint8_t* a, const uint8_t* b, int width) {
    for (int i = 0; i < 3 * (width - 3); ++i) {
        a[i] = static_cast<uint8_t>((a[i] + (255 - b[i + 9])) >> 1);
    }
    for (int i = 3 * (width - 3); i < 3 * width; ++i) {
        a[i] = static_cast<uint8_t>((a[i] + (255 - b[i])) >> 1);
    }
}

// The class of the first boundary the trace meets, kept across all rows and passes.
struct TraceBase {
    bool known = false;
    uint8_t value = 0;
};

void Blacken(Bitmap24& bitmap, int x, int y) {
    uint8_t* p = bitmap.Row(y) + 3 * x;
    p[0] = p[1] = p[2] = 0;
}

// One boundary test between the pixel `here` and its neighbour `there` (classes qHere, qThere).
// The first boundary met makes the neighbour's class the base.
void TraceBoundary(Bitmap24& bitmap, TraceBase& base, uint8_t qHere, uint8_t qThere, int hx, int hy,
                   int tx, int ty) {
    if (qHere == qThere) {
        return;
    }
    if (!base.known) {
        base = {true, qThere};
        Blacken(bitmap, hx, hy);
    } else if (qHere != base.value) {
        Blacken(bitmap, hx, hy);
    } else {
        Blacken(bitmap, tx, ty);
    }
}

}  // namespace

void EmbossBitmap(Bitmap24& bitmap) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width < 3 || height < 2) {
        return;
    }
    CheckRowWidth(bitmap, kMaxPixelRowPixels);
    for (int y = 0; y + 1 < height; ++y) {
        EmbossRow(bitmap.Row(y), bitmap.Row(y + 1), width);
    }
    EmbossRow(bitmap.Row(height - 1), bitmap.Row(height - 2), width);
}

void MosaicBitmap(Bitmap24& bitmap, int s) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (s < 1 || bitmap.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    for (int top = 0; top < height; top += s) {
        const int bottom = top + std::min(s, height - top);
        for (int left = 0; left < width; left += s) {
            const int right = left + std::min(s, width - left);
            const uint8_t* corner = bitmap.Row(top) + 3 * left;
            const uint8_t b = corner[0], g = corner[1], r = corner[2];
            for (int y = top; y < bottom; ++y) {
                uint8_t* p = bitmap.Row(y) + 3 * left;
                for (int x = left; x < right; ++x, p += 3) {
                    p[0] = b;
                    p[1] = g;
                    p[2] = r;
                }
            }
        }
    }
}

uint8_t TraceClass(const uint8_t* bgr) {
    return static_cast<uint8_t>((bgr[2] & 0xE0) | ((bgr[1] & 0xE0) >> 3) | (bgr[0] >> 6));
}

void TraceBitmap(Bitmap24& bitmap, int passes) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (passes < 1 || bitmap.Empty()) {
        return;
    }
    CheckRowWidth(bitmap, kMaxKernelRowPixels);
    // The classes come from the picture before any pixel is blackened and never change.
    std::vector<uint8_t> classes(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            classes[static_cast<std::size_t>(y) * width + x] = TraceClass(bitmap.Row(y) + 3 * x);
        }
    }
    auto q = [&](int x, int y) { return classes[static_cast<std::size_t>(y) * width + x]; };

    TraceBase base;
    for (int pass = 1; pass <= passes; ++pass) {
        for (int y = 0; y + 1 < height; ++y) {
            for (int x = 0; x + 2 < width; ++x) {
                TraceBoundary(bitmap, base, q(x, y), q(x + 1, y), x, y, x + 1, y);
                TraceBoundary(bitmap, base, q(x, y), q(x, y + 1), x, y, x, y + 1);
            }
        }
        if (pass < 2) {
            continue;
        }
        for (int y = height - 1; y >= 1; --y) {
            for (int x = width - 1; x >= 2; --x) {
                TraceBoundary(bitmap, base, q(x, y), q(x - 1, y), x, y, x - 1, y);
                TraceBoundary(bitmap, base, q(x, y), q(x, y - 1), x, y, x, y - 1);
            }
        }
    }
}

}  // namespace lenzor
