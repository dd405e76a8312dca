// The one pixel buffer type: 24-bit pixels (bytes blue, green, red), rows top-down, each row
// padded to a multiple of 4 bytes so it can go to and from a Windows DIB without copying rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lenzor {

class Bitmap24 {
public:
    Bitmap24() = default;
    Bitmap24(int width, int height) { SetSize(width, height); }

    // Resizes; the contents become black. Negative sizes count as 0.
    void SetSize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t Stride() const { return stride_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    uint8_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
    const uint8_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * stride_;
    }
    uint8_t* Data() { return pixels_.data(); }
    const uint8_t* Data() const { return pixels_.data(); }
    std::size_t SizeInBytes() const { return pixels_.size(); }

    // Colour as $00BBGGRR (red in the low byte).
    uint32_t PixelColor(int x, int y) const;
    void SetPixelColor(int x, int y, uint32_t color);
    void Fill(uint32_t color);

    static std::size_t StrideFor(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    }

    friend bool operator==(const Bitmap24& a, const Bitmap24& b);

private:
    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace lenzor
