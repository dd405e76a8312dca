// Pictures the effect tests build: grey pictures from rows of levels, seeded random pictures.
#pragma once

#include "effects/bitmap.h"

#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

namespace lenzor::test {

using Levels = std::vector<std::vector<int>>;

// Every pixel has three equal bytes, its level.
inline Bitmap24 GreyPicture(const Levels& rows) {
    Bitmap24 picture(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                     static_cast<int>(rows.size()));
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            uint8_t* p = picture.Row(y) + 3 * x;
            p[0] = p[1] = p[2] = static_cast<uint8_t>(rows[y][x]);
        }
    }
    return picture;
}

// The blue byte of every pixel (all three bytes of a grey picture).
inline Levels LevelsOf(const Bitmap24& picture) {
    Levels rows(picture.Height(), std::vector<int>(picture.Width()));
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            rows[y][x] = picture.Row(y)[3 * x];
        }
    }
    return rows;
}

inline Bitmap24 RandomPicture(int width, int height, uint32_t seed) {
    std::mt19937 generator(seed);
    Bitmap24 picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < 3 * width; ++i) {
            picture.Row(y)[i] = static_cast<uint8_t>(generator() & 0xFF);
        }
    }
    return picture;
}

// One pixel as {red, green, blue}, the order the worked examples use.
struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Bitmap24 PixelPicture(Rgb rgb) {
    Bitmap24 picture(1, 1);
    picture.SetPixelColor(0, 0, rgb.r | (rgb.g << 8) | (rgb.b << 16));
    return picture;
}

inline Rgb PixelOf(const Bitmap24& picture, int x = 0, int y = 0) {
    const uint8_t* p = picture.Row(y) + 3 * x;
    return {p[2], p[1], p[0]};
}

}  // namespace lenzor::test
