#include "effects/shape_kernels.h"

#include "core/errors.h"
#include "effects/row_bound.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using test::GreyPicture;
using test::Levels;
using test::LevelsOf;

TEST(Emboss, MixesEachPixelWithTheInverseBelowAndThreeRight) {
    Bitmap24 ramp =
        GreyPicture({{0, 10, 20, 30}, {40, 50, 60, 70}, {80, 90, 100, 110}, {120, 130, 140, 150}});
    EmbossBitmap(ramp);
    EXPECT_EQ(
        LevelsOf(ramp),
        (Levels{
            {92, 107, 107, 107}, {92, 107, 107, 107}, {92, 107, 107, 107}, {134, 139, 144, 149}}));

    Bitmap24 grey = GreyPicture(Levels(5, std::vector<int>(7, 128)));
    EmbossBitmap(grey);
    const Levels out = LevelsOf(grey);
    EXPECT_EQ(out[0], std::vector<int>(7, 127));
    EXPECT_EQ(out[3], std::vector<int>(7, 127));
    EXPECT_EQ(out[4], std::vector<int>(7, 128));  // combined with the embossed row above
}

TEST(Emboss, CountsWholePixelsAgainstTheRowBound) {
    Bitmap24 widest(kMaxPixelRowPixels, 2);
    EXPECT_NO_THROW(EmbossBitmap(widest));
    Bitmap24 wider(kMaxPixelRowPixels + 1, 2);
    EXPECT_THROW(EmbossBitmap(wider), ERangeError);
}

TEST(Mosaic, BlocksTakeTheirTopLeftPixel) {
    const Bitmap24 original = test::RandomPicture(5, 3, 7);
    Bitmap24 same = original;
    MosaicBitmap(same, 1);
    EXPECT_EQ(same, original);

    Bitmap24 blocks = original;
    MosaicBitmap(blocks, 2);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(blocks.PixelColor(x, y), original.PixelColor(x / 2 * 2, y / 2 * 2));
        }
    }
    Bitmap24 whole = original;
    MosaicBitmap(whole, 6);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(whole.PixelColor(x, y), original.PixelColor(0, 0));
        }
    }
}

TEST(Trace, ClassesKeepTheTopThreeThreeTwoBitsOfRedGreenBlue) {
    const uint8_t bgr[3] = {0xC0, 0x3F, 0xE0};
    EXPECT_EQ(TraceClass(bgr), 0xE0 | 0x04 | 0x03);
    const uint8_t sameClass[3] = {0xFF, 0x20, 0xFF};
    EXPECT_EQ(TraceClass(sameClass), 0xE7);
}

TEST(Trace, BlackensTheSideThatIsNotOfTheFirstMetClass) {
    // Columns 0..4 red, 5..9 blue: the first boundary makes blue the base class.
    auto halves = [] {
        Bitmap24 picture(10, 4);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 10; ++x) {
                picture.SetPixelColor(x, y, x < 5 ? 0x0000C8 : 0xC80000);
            }
        }
        return picture;
    };
    const Bitmap24 original = halves();
    auto blackColumnRows = [&](const Bitmap24& traced) {
        int rows = 0;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 10; ++x) {
                if (x == 4 && traced.PixelColor(x, y) == 0) {
                    continue;
                }
                EXPECT_EQ(traced.PixelColor(x, y), original.PixelColor(x, y)) << x << "," << y;
            }
            rows += traced.PixelColor(4, y) == 0;
        }
        return rows;
    };
    Bitmap24 once = halves(), twice = halves(), tenTimes = halves();
    TraceBitmap(once, 1);
    TraceBitmap(twice, 2);
    TraceBitmap(tenTimes, 10);
    EXPECT_EQ(blackColumnRows(once), 3);  // the forward sweep stops above the last row
    EXPECT_EQ(once.PixelColor(4, 3), original.PixelColor(4, 3));
    EXPECT_EQ(blackColumnRows(twice), 4);
    EXPECT_EQ(tenTimes, twice);
}

}  // namespace
}  // namespace lenzor
