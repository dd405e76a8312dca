#include "effects/resample.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using test::GreyPicture;
using test::Levels;
using test::LevelsOf;

Levels Resampled(const Levels& source, int width, int height) {
    Bitmap24 destination(width, height);
    ResampleBilinear(GreyPicture(source), destination);
    return LevelsOf(destination);
}

TEST(ResampleBilinear, NeverGivesTheLastRowAndColumnFullWeight) {
    EXPECT_EQ(Resampled({{0, 100, 200}}, 4, 1), (Levels{{0, 50, 100, 150}}));
    EXPECT_EQ(Resampled({{0, 100}, {100, 200}}, 3, 3),
              (Levels{{0, 33, 66}, {33, 66, 99}, {66, 99, 133}}));
}

TEST(ResampleBilinear, StretchesAOnePixelWideSourceAndIgnoresEmptyOnes) {
    EXPECT_EQ(Resampled({{40}, {80}}, 3, 3), (Levels{{40, 40, 40}, {53, 53, 53}, {66, 66, 66}}));
    EXPECT_EQ(Resampled({{40}}, 2, 2), (Levels{{40, 40}, {40, 40}}));
    Bitmap24 destination = GreyPicture({{9, 9}});
    ResampleBilinear(Bitmap24(0, 3), destination);
    EXPECT_EQ(LevelsOf(destination), (Levels{{9, 9}}));
}

TEST(TileFor, SplitsTheSidesWithATenPixelFloor) {
    const TileGeometry floor = TileFor(100, 80, 20);
    EXPECT_EQ(floor.width, 10);
    EXPECT_EQ(floor.height, 10);
    EXPECT_EQ(floor.storedValue, 10);  // larger counts give the same tiles

    const TileGeometry thirds = TileFor(300, 200, 3);
    EXPECT_EQ(thirds.width, 100);
    EXPECT_EQ(thirds.height, 66);
    EXPECT_EQ(thirds.storedValue, 3);

    EXPECT_EQ(TileFor(5, 7, 1).storedValue, 0);  // both sides under 10: the effect is off
    EXPECT_EQ(TileFor(5, 10, 1).storedValue, 1);
}

TEST(TileBitmap, RepeatsTheShrunkPictureFromTheTopLeftClippedAtTheEdges) {
    const Bitmap24 source = test::RandomPicture(300, 200, 3);
    Bitmap24 tile(100, 66);
    ResampleBilinear(source, tile);
    Bitmap24 picture = source;
    TileBitmap(picture, source, 100, 66);
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 300; x += 3) {
            ASSERT_EQ(picture.PixelColor(x, y), tile.PixelColor(x % 100, y % 66)) << x << "," << y;
        }
    }
    EXPECT_EQ(picture.PixelColor(299, 199), tile.PixelColor(99, 1));  // last band: 2 rows
}

}  // namespace
}  // namespace lenzor
