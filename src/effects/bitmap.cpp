#include "effects/bitmap.h"

#include <cstring>

namespace lenzor {

void Bitmap24::SetSize(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    stride_ = StrideFor(width_);
    pixels_.assign(stride_ * static_cast<std::size_t>(height_), 0);
}

uint32_t Bitmap24::PixelColor(int x, int y) const {
    const uint8_t* p = Row(y) + 3 * x;
    return static_cast<uint32_t>(p[2]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[0]) << 16);
}

void Bitmap24::SetPixelColor(int x, int y, uint32_t color) {
    uint8_t* p = Row(y) + 3 * x;
    p[0] = static_cast<uint8_t>(color >> 16);
    p[1] = static_cast<uint8_t>(color >> 8);
    p[2] = static_cast<uint8_t>(color);
}

void Bitmap24::Fill(uint32_t color) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            SetPixelColor(x, y, color);
        }
    }
}

bool operator==(const Bitmap24& a, const Bitmap24& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) {
        return false;
    }
    if (a.Empty()) {
        return true;  // no rows to compare (and no buffer to hand to memcmp)
    }
    const std::size_t rowBytes = static_cast<std::size_t>(a.width_) * 3;
    for (int y = 0; y < a.height_; ++y) {
        if (std::memcmp(a.Row(y), b.Row(y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace lenzor
