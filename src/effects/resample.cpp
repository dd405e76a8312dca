#include "effects/resample.h"

#include "effects/row_bound.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace lenzor {

void ResampleBilinear(const Bitmap24& source, Bitmap24& destination) {
    const int ws = source.Width();
    const int hs = source.Height();
    const int wd = destination.Width();
    const int hd = destination.Height();
    if (source.Empty() || destination.Empty()) {
        return;
    }
    CheckRowWidth(source, kMaxKernelRowPixels);
    CheckRowWidth(destination, kMaxKernelRowPixels);
    // 64-bit positions: the height is not bounded like the width.
    const uint64_t xstep = (static_cast<uint64_t>(ws - 1) << 15) / static_cast<uint64_t>(wd);
    const uint64_t ystep = (static_cast<uint64_t>(hs - 1) << 15) / static_cast<uint64_t>(hd);
    uint64_t sy = 0;
    for (int yd = 0; yd < hd; ++yd, sy += ystep) {
        const int upper = static_cast<int>(sy >> 15);
        const uint8_t* r1 = source.Row(upper);
        const uint8_t* r2 = upper + 1 < hs ? source.Row(upper + 1) : r1;
        const uint32_t fy = static_cast<uint32_t>(sy & 0x7FFF);
        const uint32_t gy = 0x8000 - fy;
        uint8_t* out = destination.Row(yd);
        uint64_t sx = 0;
        for (int xd = 0; xd < wd; ++xd, sx += xstep) {
            const int t = static_cast<int>(sx >> 15);
            const int left = 3 * t;
            const int right = 3 * std::min(t + 1, ws - 1);  // a one-pixel-wide source
            const uint32_t fx = static_cast<uint32_t>(sx & 0x7FFF);
            const uint32_t w2 = (fx * gy) >> 15;
            const uint32_t w1 = gy - w2;
            const uint32_t w4 = (fx * fy) >> 15;
            const uint32_t w3 = fy - w4;
            for (int c = 0; c < 3; ++c) {
                out[3 * xd + c] = static_cast<uint8_t>((r1[left + c] * w1 + r1[right + c] * w2 +
                                                        r2[left + c] * w3 + r2[right + c] * w4) >>
                                                       15);
            }
        }
    }
}

TileGeometry TileFor(int sourceWidth, int sourceHeight, int count) {
    count = std::max(count, 1);
    TileGeometry tile;
    tile.width = std::max(10, sourceWidth / count);
    tile.height = std::max(10, sourceHeight / count);
    tile.storedValue = count;
    if (tile.width == 10 && tile.height == 10) {
        // Under 10 pixels on both sides this is 0: the tile effect switches itself off.
        tile.storedValue = std::max(sourceWidth, sourceHeight) / 10;
    }
    return tile;
}

void TileBitmap(Bitmap24& picture, const Bitmap24& source, int tileWidth, int tileHeight) {
    if (tileWidth < 1 || tileHeight < 1) {
        return;
    }
    Bitmap24 tile(tileWidth, tileHeight);
    ResampleBilinear(source, tile);
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* tileRow = tile.Row(y % tileHeight);
        uint8_t* row = picture.Row(y);
        for (int left = 0; left < picture.Width(); left += tileWidth) {
            const int span = std::min(tileWidth, picture.Width() - left);
            std::memcpy(row + 3 * left, tileRow, 3 * static_cast<std::size_t>(span));
        }
    }
}

}  // namespace lenzor
