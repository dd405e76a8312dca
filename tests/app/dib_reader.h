// Reads the bytes of a CF_DIB back into a picture, for the clipboard tests.
#pragma once

#include "effects/bitmap.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lenzor::testing {

// Empty unless the header is a 40-byte BITMAPINFOHEADER of an uncompressed, bottom-up, 24-bit
// picture with one plane and the image size its rows need.
inline Bitmap24 ReadDib(const std::vector<uint8_t>& dib) {
    const auto field = [&](std::size_t at, int bytes) {
        uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            value = value << 8 | dib.at(at + i);
        }
        return value;
    };
    const int width = static_cast<int>(field(4, 4)), height = static_cast<int>(field(8, 4));
    const std::size_t stride = Bitmap24::StrideFor(width), image = stride * height;
    Bitmap24 picture;
    if (field(0, 4) == 40 && width > 0 && height > 0 && field(12, 2) == 1 && field(14, 2) == 24 &&
        field(16, 4) == 0 && field(20, 4) == image && dib.size() >= 40 + image) {
        picture.SetSize(width, height);
        for (int y = 0; y < height; ++y) {
            std::copy_n(&dib[40 + (height - 1 - y) * stride], stride, picture.Row(y));
        }
    }
    return picture;
}

}  // namespace lenzor::testing
