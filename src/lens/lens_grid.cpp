#include "lens/lens_grid.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lenzor {
namespace {

// The first picture pixel that shows source pixel `index`: the smallest d with
// floor(d * sourceSize / pictureSize) >= index.
int BlockStart(int index, int sourceSize, int pictureSize) {
    return static_cast<int>((int64_t{index} * pictureSize + sourceSize - 1) / sourceSize);
}

void ShadePixel(uint8_t* pixel) {
    const int luma = (pixel[2] * 2 + pixel[1] * 5 + pixel[0]) / 8;
    for (int i = 0; i < 3; ++i) {
        const int c = pixel[i];
        pixel[i] = static_cast<uint8_t>(luma >= 128 ? c * 5 / 8 : c + (255 - c) * 3 / 8);
    }
}

void FillRect(const LensPicture& picture, int left, int top, int right, int bottom,
              uint32_t color) {
    for (int y = std::max(top, 0); y < std::min(bottom, picture.Height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, picture.Width()); ++x) {
            picture.SetPixelColor(x, y, color);
        }
    }
}

// A one-pixel outline of the rectangle from (left, top) to (right, bottom), all inclusive.
void Outline(const LensPicture& picture, int left, int top, int right, int bottom, uint32_t color) {
    FillRect(picture, left, top, right + 1, top + 1, color);
    FillRect(picture, left, bottom, right + 1, bottom + 1, color);
    FillRect(picture, left, top, left + 1, bottom + 1, color);
    FillRect(picture, right, top, right + 1, bottom + 1, color);
}

}  // namespace

void DrawPixelGrid(const LensPicture& picture, int sourceWidth, int sourceHeight,
                   LensPoint pointer) {
    const int width = picture.Width();
    const int height = picture.Height();
    if (picture.Empty() || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    std::vector<int> lineColumns;
    for (int s = 1; s < sourceWidth; ++s) {
        if (const int x = BlockStart(s, sourceWidth, width); x < width) {
            lineColumns.push_back(x);
        }
    }
    std::vector<bool> lineRow(static_cast<std::size_t>(height), false);
    for (int s = 1; s < sourceHeight; ++s) {
        if (const int y = BlockStart(s, sourceHeight, height); y < height) {
            lineRow[y] = true;
        }
    }
    // Row by row, so that no pixel where two lines cross is shaded twice.
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.Row(y);
        if (lineRow[y]) {
            for (int x = 0; x < width; ++x) {
                ShadePixel(row + 4 * x);
            }
        } else {
            for (const int x : lineColumns) {
                ShadePixel(row + 4 * x);
            }
        }
    }
    if (pointer.x < 0 || pointer.x >= sourceWidth || pointer.y < 0 || pointer.y >= sourceHeight) {
        return;
    }
    const int left = BlockStart(pointer.x, sourceWidth, width);
    const int top = BlockStart(pointer.y, sourceHeight, height);
    const int right = BlockStart(pointer.x + 1, sourceWidth, width);
    const int bottom = BlockStart(pointer.y + 1, sourceHeight, height);
    Outline(picture, left - 1, top - 1, right + 1, bottom + 1, 0xFFFFFFu);
    Outline(picture, left, top, right, bottom, 0x000000u);
}

}  // namespace lenzor
