// The smooth stretch: its vector paths against the reference, and what it must do to pictures.
#include "lens/smooth_stretch.h"

#include "../effects/simd_paths.h"
#include "../effects/test_pictures.h"
#include "lens_fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace lenzor::testing {
namespace {

Bitmap24 Smooth(const Bitmap24& source, int width, int height) {
    PictureMemory memory;
    StretchSmooth(source, memory.Resize(width, height));
    return ToBitmap24(memory.view);
}

// Odd sizes around the vector widths, 1-pixel sources, zooms from far below to far above 1,
// each axis on its own, then sizes at random; every byte of the picture, the unused ones too.
TEST(SmoothStretchTest, EveryVectorPathGivesTheReferenceBytes) {
    std::mt19937 random(15);
    std::vector<std::array<int, 4>> sizes = {
        {1, 1, 7, 5},     {1, 5, 3, 11},    {5, 1, 9, 2},         {3, 2, 7, 9},
        {17, 13, 40, 31}, {31, 33, 93, 99}, {121, 121, 242, 242}, {346, 346, 242, 242},
        {50, 37, 9, 7},   {251, 3, 1, 1},   {33, 17, 33, 40},     {20, 50, 45, 17},
        {40, 30, 40, 30}, {3, 1, 250, 1}};
    for (int i = 0; i < 60; ++i) {
        sizes.push_back({1 + static_cast<int>(random() % 70), 1 + static_cast<int>(random() % 70),
                         1 + static_cast<int>(random() % 150),
                         1 + static_cast<int>(random() % 150)});
    }
    for (const auto& [sourceW, sourceH, width, height] : sizes) {
        const Bitmap24 source = test::RandomPicture(sourceW, sourceH, random());
        PictureMemory reference;
        StretchSmoothReference(source, reference.Resize(width, height));
        ASSERT_NO_THROW(ToBitmap24(reference.view));
        for (SimdLevel level : test::RunnableSimdLevels()) {
            PictureMemory fast;
            StretchSmoothWith(level, source, fast.Resize(width, height));
            ASSERT_EQ(fast.bytes, reference.bytes) << test::NameOf(level) << " " << sourceW << "x"
                                                   << sourceH << " -> " << width << "x" << height;
        }
    }
}

TEST(SmoothStretchTest, AUniformPictureStaysUniformEnlargedOrReduced) {
    for (uint32_t color : {0x000000u, 0xFFFFFFu, 0x013A7Fu}) {
        Bitmap24 source(41, 29);
        source.Fill(color);
        for (auto [width, height] : {std::pair{123, 70}, {12, 9}, {29, 41}, {1, 1}}) {
            const Bitmap24 out = Smooth(source, width, height);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(out.PixelColor(x, y), color) << width << "x" << height;
                }
            }
        }
    }
}

// Zoom 3 puts the middle pixel of each 3 x 3 block on its source pixel; the pixels beside it
// lie a third of the way to the next source pixel.
TEST(SmoothStretchTest, AnIntegerZoomKeepsBlockCentresAndBlendsTheirEdges) {
    Bitmap24 board(4, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            board.SetPixelColor(x, y, (x + y) % 2 ? 0xFFFFFFu : 0u);
        }
    }
    const Bitmap24 out = Smooth(board, 12, 9);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(out.PixelColor(3 * x + 1, 3 * y + 1), board.PixelColor(x, y));
        }
    }
    EXPECT_EQ(out.PixelColor(0, 0), 0u) << "the picture's edge is not blended with black";
    EXPECT_NEAR(out.Row(1)[3 * 2], 85, 1);   // black block, a third of the way to white
    EXPECT_NEAR(out.Row(1)[3 * 3], 170, 1);  // white block, a third of the way to black
    EXPECT_NEAR(out.Row(2)[3 * 4], 170, 1);  // the same downwards
}

TEST(SmoothStretchTest, HalvingGivesEachTwoByTwoMeanRoundedHalfUp) {
    const Bitmap24 source = test::RandomPicture(10, 6, 4);
    const Bitmap24 out = Smooth(source, 5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int i = 0; i < 15; ++i) {
            const int j = 3 * (i / 3 * 2) + i % 3;  // the same channel of the block's left pixel
            const int sum = source.Row(2 * y)[j] + source.Row(2 * y)[j + 3] +
                            source.Row(2 * y + 1)[j] + source.Row(2 * y + 1)[j + 3];
            ASSERT_EQ(out.Row(y)[i], (sum + 2) / 4) << i << "," << y;
        }
    }
}

// A white spot in the middle of black stays in the middle: the enlarged picture is its own
// mirror image both ways.
TEST(SmoothStretchTest, TheMiddleStaysInTheMiddle) {
    for (auto [side, spot, zoom] : {std::array{5, 1, 3}, {4, 2, 2}, {6, 2, 5}}) {
        Bitmap24 source(side, side);
        for (int y = (side - spot) / 2; y < (side + spot) / 2; ++y) {
            for (int x = (side - spot) / 2; x < (side + spot) / 2; ++x) {
                source.SetPixelColor(x, y, 0xFFFFFF);
            }
        }
        const int n = side * zoom;
        const Bitmap24 out = Smooth(source, n, n);
        EXPECT_EQ(out.PixelColor(n / 2, n / 2), 0xFFFFFFu) << side << " x" << zoom;
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                ASSERT_EQ(out.PixelColor(x, y), out.PixelColor(n - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(out.PixelColor(x, y), out.PixelColor(x, n - 1 - y)) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace lenzor::testing
