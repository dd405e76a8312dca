// The lens picture: 32-bit pixels (bytes blue, green, red and one unused, written 0), rows
// top-down, in memory the lens window owns (a DIB section on Windows), so that showing it is a
// single blit with nothing converted on the way.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lenzor {

class LensPicture {
public:
    LensPicture() = default;
    LensPicture(uint8_t* pixels, int width, int height, std::size_t stride)
        : pixels_(pixels), width_(width), height_(height), stride_(stride) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t Stride() const { return stride_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    uint8_t* Row(int y) const { return pixels_ + static_cast<std::size_t>(y) * stride_; }

    // Colour as $00BBGGRR (red in the low byte), as Bitmap24 has it.
    uint32_t PixelColor(int x, int y) const {
        const uint8_t* p = Row(y) + 4 * x;
        return static_cast<uint32_t>(p[2]) | static_cast<uint32_t>(p[1]) << 8 |
               static_cast<uint32_t>(p[0]) << 16;
    }
    void SetPixelColor(int x, int y, uint32_t color) const {
        uint8_t* p = Row(y) + 4 * x;
        p[0] = static_cast<uint8_t>(color >> 16);
        p[1] = static_cast<uint8_t>(color >> 8);
        p[2] = static_cast<uint8_t>(color);
        p[3] = 0;
    }

private:
    uint8_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
};

}  // namespace lenzor
