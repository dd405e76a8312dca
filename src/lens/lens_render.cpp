#include "lens/lens_render.h"

#include "core/numeric.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lenzor {

RenderGeometry ComputeRenderGeometry(int width, int height, double zoomFactor, LensPoint pointer) {
    const double zoom =
        std::max(zoomFactor, static_cast<double>(std::max(width, height)) / kMaxGrabSide);
    const int halfW = RoundToInt32(width / zoom / 2);
    const int halfH = RoundToInt32(height / zoom / 2);
    // A zoom far above the picture size would round the grab down to nothing.
    const int grabW = std::max(1, RoundToInt32(width / zoom));
    const int grabH = std::max(1, RoundToInt32(height / zoom));
    RenderGeometry geometry;
    geometry.grab = {pointer.x - halfW, pointer.y - halfH, pointer.x - halfW + grabW,
                     pointer.y - halfH + grabH};
    geometry.marker = {RoundToInt32(halfW * zoom), RoundToInt32(halfH * zoom)};
    return geometry;
}

void StretchNearest(const Bitmap24& source, const LensPicture& dest) {
    const int width = dest.Width();
    const int height = dest.Height();
    if (dest.Empty()) {
        return;
    }
    if (source.Empty()) {
        for (int y = 0; y < height; ++y) {
            std::memset(dest.Row(y), 0, 4 * static_cast<std::size_t>(width));
        }
        return;
    }
    const int64_t sourceW = source.Width();
    const int64_t sourceH = source.Height();
    std::vector<std::size_t> sourceOffset(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        sourceOffset[x] = static_cast<std::size_t>(x * sourceW / width) * 3;
    }
    // A pixel is read as four bytes, the fourth masked off, except where that would read past
    // the source row: the pixels that take its last pixel.
    const std::size_t lastSourcePixel = static_cast<std::size_t>(sourceW - 1) * 3;
    const int fourByteEnd =
        static_cast<int>(std::find(sourceOffset.begin(), sourceOffset.end(), lastSourcePixel) -
                         sourceOffset.begin());
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    int previousSourceY = -1;
    for (int y = 0; y < height; ++y) {
        const int sourceY = static_cast<int>(y * sourceH / height);
        uint8_t* out = dest.Row(y);
        if (sourceY == previousSourceY) {  // an enlarged row repeats the one above
            std::memcpy(out, dest.Row(y - 1), rowBytes);
            continue;
        }
        const uint8_t* in = source.Row(sourceY);
        int x = 0;
        for (; x < fourByteEnd; ++x, out += 4) {
            uint32_t pixel;
            std::memcpy(&pixel, in + sourceOffset[x], 4);
            pixel &= 0x00FFFFFFu;  // little-endian: the unused byte is the last
            std::memcpy(out, &pixel, 4);
        }
        for (; x < width; ++x, out += 4) {
            const uint8_t* pixel = in + sourceOffset[x];
            out[0] = pixel[0];
            out[1] = pixel[1];
            out[2] = pixel[2];
            out[3] = 0;
        }
        previousSourceY = sourceY;
    }
}

void InvertChannels(Bitmap24& picture) {
    // 255 - c is ~c on a byte, so whole 64-bit words at a time; the row padding is inverted
    // too, which nothing reads.
    uint8_t* data = picture.Data();
    const std::size_t size = picture.SizeInBytes();
    std::size_t i = 0;
    for (; i + sizeof(uint64_t) <= size; i += sizeof(uint64_t)) {
        uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        word = ~word;
        std::memcpy(data + i, &word, sizeof word);
    }
    for (; i < size; ++i) {
        data[i] = static_cast<uint8_t>(~data[i]);
    }
}

void DrawMarker(const LensPicture& picture, LensPoint topLeft) {
    constexpr int kSide = 6;
    const int left = std::max(topLeft.x, 0);
    const int top = std::max(topLeft.y, 0);
    const int right = std::min(topLeft.x + kSide, picture.Width());
    const int bottom = std::min(topLeft.y + kSide, picture.Height());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const bool outline = x == topLeft.x || x == topLeft.x + kSide - 1 || y == topLeft.y ||
                                 y == topLeft.y + kSide - 1;
            picture.SetPixelColor(x, y, outline ? 0x000000u : 0xFFFFFFu);
        }
    }
}

}  // namespace lenzor
