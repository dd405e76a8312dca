#include "effects/blur_kernels.h"

#include "core/errors.h"
#include "effects/row_bound.h"
#include "simd_paths.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace lenzor {
namespace {

using test::GreyPicture;
using test::Levels;
using test::LevelsOf;

const Levels kRamp = {{0, 10, 20, 30}, {40, 50, 60, 70}, {80, 90, 100, 110}, {120, 130, 140, 150}};

TEST(SplitBlur, WorksInPlaceAndTakesFarSamplesFromNearTheTopAndLeft) {
    Bitmap24 picture = GreyPicture(kRamp);
    SplitBlurBitmap(picture, 1);
    EXPECT_EQ(LevelsOf(picture),
              (Levels{{25, 36, 46, 48}, {57, 62, 71, 68}, {92, 97, 102, 100}, {77, 80, 81, 83}}));
}

TEST(SplitBlur, LastRowsTakeTheirLowerSampleFromRowHeightMinusY) {
    // Only row 1 is lit. With k = 2 it becomes (100, 100, 50): column 2 reads the new values
    // of columns 0 and 1. Row 19 takes row 17 (dark) and that row 1 as its samples, while
    // row 18 takes the dark rows 16 and 2.
    Levels rows(20, std::vector<int>(3, 0));
    rows[1] = {200, 200, 200};
    Bitmap24 picture = GreyPicture(rows);
    SplitBlurBitmap(picture, 2);
    const Levels out = LevelsOf(picture);
    EXPECT_EQ(out[1], (std::vector<int>{100, 100, 50}));
    EXPECT_EQ(out[17], (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(out[18], (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(out[19], (std::vector<int>{37, 37, 50}));
}

TEST(SplitBlur, DistanceBeyondASideIsBoundedBySideMinusOne) {
    Bitmap24 bounded = GreyPicture(kRamp);
    Bitmap24 huge = GreyPicture(kRamp);
    SplitBlurBitmap(bounded, 3);
    SplitBlurBitmap(huge, 20);
    EXPECT_EQ(huge, bounded);

    Bitmap24 single = GreyPicture({{77}});
    SplitBlurBitmap(single, 20);
    EXPECT_EQ(LevelsOf(single), (Levels{{77}}));
    // One column: only the vertical samples remain.
    Bitmap24 column = GreyPicture({{0}, {100}, {200}});
    SplitBlurBitmap(column, 5);
    EXPECT_EQ(LevelsOf(column), (Levels{{100}, {150}, {125}}));
}

TEST(GaussianBlur, IsPassesPlusOneSplitBlursOfDistanceThree) {
    Bitmap24 expected = test::RandomPicture(9, 7, 5);
    Bitmap24 picture = expected;
    GaussianBlurBitmap(picture, 1);
    SplitBlurBitmap(expected, 3);
    SplitBlurBitmap(expected, 3);
    EXPECT_EQ(picture, expected);
}

TEST(AntiAlias, KeepsUniformAndLinearPicturesAndTheBorder) {
    Bitmap24 ramp = GreyPicture(kRamp);
    AntiAliasRect(ramp, 0, 0, 4, 4);
    EXPECT_EQ(LevelsOf(ramp), kRamp);

    const Bitmap24 original = test::RandomPicture(6, 5, 1);
    Bitmap24 picture = original;
    AntiAliasRect(picture, 6, 5, 0, 0);  // corners in either order
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(picture.PixelColor(x, 0), original.PixelColor(x, 0));
        EXPECT_EQ(picture.PixelColor(x, 4), original.PixelColor(x, 4));
    }
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(picture.PixelColor(0, y), original.PixelColor(0, y));
        EXPECT_EQ(picture.PixelColor(5, y), original.PixelColor(5, y));
    }
}

TEST(AntiAlias, UsesTheNewValueOfTheLeftNeighbourAndNotItsOwn) {
    Bitmap24 picture = GreyPicture({{0, 0, 0, 0}, {200, 99, 99, 0}, {0, 0, 0, 0}});
    AntiAliasRect(picture, 0, 0, 4, 3);
    EXPECT_EQ(LevelsOf(picture)[1], (std::vector<int>{200, 74, 18, 0}));
}

// Odd sizes around the vector widths, distances from 1 to beyond both sides (where rows and
// columns sample themselves), passes over passes: the same bytes as the references.
TEST(BlurKernels, FastPathsGiveTheReferenceBytes) {
    std::mt19937 random(3);
    for (auto [width, height] : {std::pair{1, 1}, {2, 7}, {5, 3}, {17, 9}, {33, 20}, {70, 41}}) {
        const Bitmap24 source = test::RandomPicture(width, height, random());
        for (int k : {1, 2, 3, 5, 13, 40, 255}) {
            Bitmap24 reference = source;
            SplitBlurBitmapReference(reference, k);
            SplitBlurBitmapReference(reference, k);
            for (SimdLevel level : test::RunnableSimdLevels()) {
                Bitmap24 fast = source;
                SplitBlurBitmapWith(level, fast, k);
                SplitBlurBitmapWith(level, fast, k);
                ASSERT_EQ(fast, reference)
                    << test::NameOf(level) << " " << width << "x" << height << " k " << k;
            }
        }
        for (auto [x1, y1, x2, y2] : {std::array{0, 0, width, height}, {width, height, 2, 1}}) {
            Bitmap24 reference = source, fast = source;
            for (int pass = 0; pass < 3; ++pass) {
                AntiAliasRectReference(reference, x1, y1, x2, y2);
                AntiAliasRect(fast, x1, y1, x2, y2);
            }
            ASSERT_EQ(fast, reference) << "anti-alias " << width << "x" << height;
        }
    }
}

TEST(BlurKernels, RefuseRowsOverThirtyTwoKilobytes) {
    Bitmap24 widest(kMaxKernelRowPixels, 2);
    EXPECT_NO_THROW(SplitBlurBitmap(widest, 1));
    Bitmap24 wider(kMaxKernelRowPixels + 1, 3);
    EXPECT_THROW(SplitBlurBitmap(wider, 1), ERangeError);
    EXPECT_THROW(AntiAliasRect(wider, 0, 0, wider.Width(), 3), ERangeError);
}

}  // namespace
}  // namespace lenzor
