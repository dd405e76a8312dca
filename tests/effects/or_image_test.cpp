#include "effects/or_image.h"

#include "core/errors.h"
#include "core/random.h"
#include "effects/blur_kernels.h"
#include "effects/noise_kernels.h"
#include "effects/pixel_pass.h"
#include "effects/row_bound.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using test::PixelOf;
using test::Rgb;

class OrImageTest : public ::testing::Test {
protected:
    void SetUp() override { savedSeed_ = RandomSeed(); }
    void TearDown() override { SetRandomSeed(savedSeed_); }

    TOrImageEngine image_;
    const Bitmap24 picture_ = test::RandomPicture(21, 15, 11);
    uint32_t savedSeed_ = 0;
};

TEST_F(OrImageTest, SettersClampTheirValues) {
    image_.SetPicBrightness(300);
    EXPECT_EQ(image_.PicBrightness(), 255);
    image_.SetPicBrightness(-300);
    EXPECT_EQ(image_.PicBrightness(), -255);
    image_.SetPicSplitlight(15);
    EXPECT_EQ(image_.PicSplitlight(), 10);
    image_.SetPicContrast(-1000);
    EXPECT_EQ(image_.PicContrast(), -255);
    image_.SetPicSaturation(-1000);
    EXPECT_EQ(image_.PicSaturation(), -255);
    image_.SetPicLightness(1000);
    EXPECT_EQ(image_.PicLightness(), 255);
    image_.SetPicDarkness(1000);
    EXPECT_EQ(image_.PicDarkness(), 255);
    image_.SetPicSolorize(300);
    EXPECT_EQ(image_.PicSolorize(), 255);
    image_.SetPicColorNoise(-4);
    EXPECT_EQ(image_.PicColorNoise(), 0);
    const std::pair<void (TOrImageEngine::*)(int), int (TOrImageEngine::*)() const> limited[] = {
        {&TOrImageEngine::SetPicSplitBlur, &TOrImageEngine::PicSplitBlur},
        {&TOrImageEngine::SetPicGaussianBlur, &TOrImageEngine::PicGaussianBlur},
        {&TOrImageEngine::SetPicAntiAlias, &TOrImageEngine::PicAntiAlias},
        {&TOrImageEngine::SetPicTrace, &TOrImageEngine::PicTrace}};
    const int limits[] = {255, 50, 50, 10};
    for (int i = 0; i < 4; ++i) {
        (image_.*limited[i].first)(1000);
        EXPECT_EQ((image_.*limited[i].second)(), limits[i]);
        (image_.*limited[i].first)(-5);
        EXPECT_EQ((image_.*limited[i].second)(), 0);
    }
    // Without a picture, mosaic and tile keep the value unreduced.
    image_.SetPicMosaic(5000);
    EXPECT_EQ(image_.PicMosaic(), 5000);
    image_.SetPicTile(5000);
    EXPECT_EQ(image_.PicTile(), 5000);
}

TEST_F(OrImageTest, MosaicAndTileAreBoundByThePictureSize) {
    image_.SetPictureOriginal(test::RandomPicture(100, 80, 1));
    image_.SetPicMosaic(5000);
    EXPECT_EQ(image_.PicMosaic(), 100);
    image_.SetPicTile(20);
    EXPECT_EQ(image_.PicTile(), 10);
    // Both sides under 10 pixels: max(W, H) div 10 is 0, so the tile is off and the source
    // shows unchanged.
    const Bitmap24 tiny = test::RandomPicture(9, 4, 1);
    image_.SetPictureOriginal(tiny);
    image_.SetPicTile(3);
    EXPECT_EQ(image_.PicTile(), 0);
    EXPECT_FALSE(image_.HasFilteredLayer());
    EXPECT_EQ(image_.DisplayPicture(), tiny);
    image_.SetPictureOriginal(test::RandomPicture(10, 4, 1));
    image_.SetPicTile(3);
    EXPECT_EQ(image_.PicTile(), 1);
    EXPECT_TRUE(image_.HasFilteredLayer());
}

TEST_F(OrImageTest, ExclusiveEffectsZeroEachOther) {
    image_.SetPicPosterize(4);
    image_.SetPicSolorize(9);
    EXPECT_EQ(image_.PicPosterize(), 0);
    image_.SetPicPosterize(4);
    EXPECT_EQ(image_.PicSolorize(), 0);

    image_.SetPicColorNoise(50);
    image_.SetPicMonoNoise(60);
    EXPECT_EQ(image_.PicColorNoise(), 0);
    image_.SetPicColorNoise(50);
    EXPECT_EQ(image_.PicMonoNoise(), 0);

    image_.SetPicEmboss(true);
    image_.SetPicMosaic(3);
    image_.SetPicSplitBlur(2);
    image_.SetPicGaussianBlur(1);
    image_.SetPicAntiAlias(1);
    image_.SetPicTrace(1);
    image_.SetPicTile(2);
    EXPECT_FALSE(image_.PicEmboss());
    EXPECT_EQ(image_.PicMosaic() + image_.PicSplitBlur() + image_.PicGaussianBlur() +
                  image_.PicAntiAlias() + image_.PicTrace(),
              0);
    image_.SetPicMosaic(0);  // switching any structural effect zeroes the others, even to 0
    EXPECT_EQ(image_.PicTile(), 0);
}

TEST_F(OrImageTest, StructuralLayerStartsFromTheSourceAndIsDroppedWhenSwitchedOff) {
    image_.SetPictureOriginal(picture_);
    image_.SetPicSplitBlur(5);
    image_.SetPicAntiAlias(3);
    EXPECT_EQ(image_.PicSplitBlur(), 0);
    Bitmap24 expected = picture_;
    for (int pass = 0; pass < 3; ++pass) {
        AntiAliasRect(expected, 0, 0, 21, 15);
    }
    EXPECT_EQ(image_.DisplayPicture(), expected);

    image_.SetPicGaussianBlur(1);
    expected = picture_;
    GaussianBlurBitmap(expected, 1);
    EXPECT_EQ(image_.DisplayPicture(), expected);

    image_.SetPicGaussianBlur(-5);
    EXPECT_FALSE(image_.HasFilteredLayer());
    EXPECT_EQ(image_.DisplayPicture(), picture_);
}

TEST_F(OrImageTest, NewSourceDropsLayersAndRebuildsThemWithTheKeptEffects) {
    image_.SetPicColorNoise(300);
    image_.SetPicSplitBlur(2);
    image_.SetPicInvert(true);
    EXPECT_FALSE(image_.HasNoiseLayer());  // no picture yet

    SetRandomSeed(42);
    image_.SetPictureOriginal(picture_);
    EXPECT_TRUE(image_.HasNoiseLayer());
    EXPECT_TRUE(image_.HasFilteredLayer());
    const Bitmap24 first = image_.DisplayPicture();
    image_.SetPictureOriginal(picture_);  // fresh noise for every new source
    EXPECT_NE(image_.DisplayPicture(), first);

    SetRandomSeed(42);
    image_.MutablePictureOriginal() = picture_;
    EXPECT_FALSE(image_.HasNoiseLayer());
    image_.SourceChanged();
    EXPECT_EQ(image_.DisplayPicture(), first);
    image_.SetPicColorNoise(300);  // the same value draws a new pattern
    EXPECT_NE(image_.DisplayPicture(), first);
}

TEST_F(OrImageTest, DisplayShowsTheLastRebuildWhetherReadAfterEachSetterOrOnce) {
    TOrImageEngine readOnce;
    for (TOrImageEngine* image : {&image_, &readOnce}) {
        SetRandomSeed(3);
        image->SetPictureOriginal(picture_);
        image->SetPicColorNoise(200);
        if (image == &image_) {
            (void)image->DisplayPicture();
        }
        image->SetPicContrast(100);
        image->SetPicBrightness(20);
        image->SetPicSaturation(150);
    }
    EXPECT_EQ(image_.DisplayPicture(), readOnce.DisplayPicture());

    // A source written in place leaves the display of the old source until SourceChanged.
    const Bitmap24 shown = image_.DisplayPicture();
    image_.SetPicInvert(true);
    const Bitmap24 inverted = image_.DisplayPicture();
    image_.SetPicInvert(false);
    image_.MutablePictureOriginal() = test::RandomPicture(21, 15, 99);
    EXPECT_EQ(image_.DisplayPicture(), shown);
    EXPECT_NE(inverted, shown);
}

// Noise draws leave the shared sequence when the setter runs, even where the layer's bytes are
// made later (or never, when a new value replaces them before anything is shown).
TEST_F(OrImageTest, NoiseSettersTakeTheirDrawsInOrderWhateverIsShown) {
    SetRandomSeed(41);
    Bitmap24 first(picture_.Width(), picture_.Height());
    Bitmap24 second(picture_.Width(), picture_.Height());
    FillColorNoise(first, 300);  // the rebuild after the new source
    FillMonoNoise(first, 90);
    const int drawnBetween = Random(1000);
    FillColorNoise(second, 77);
    const uint32_t seedAfter = RandomSeed();

    SetRandomSeed(41);
    image_.SetPicColorNoise(300);  // no source yet: nothing drawn
    image_.SetPictureOriginal(picture_);
    image_.SetPicMonoNoise(90);
    EXPECT_EQ(Random(1000), drawnBetween);
    image_.SetPicColorNoise(77);
    EXPECT_EQ(RandomSeed(), seedAfter);

    Bitmap24 expected(picture_.Width(), picture_.Height());
    RunPixelPass(picture_, &second, PixelEffects{}, expected);
    EXPECT_EQ(image_.DisplayPicture(), expected);
    EXPECT_EQ(RandomSeed(), seedAfter);  // showing the layer draws nothing more
}

TEST_F(OrImageTest, ResetEffectsShowsTheSourceUnchanged) {
    image_.SetPictureOriginal(picture_);
    image_.SetPicMonoNoise(100);
    image_.SetPicEmboss(true);
    image_.SetPicGrayScale(true);
    image_.SetPicPosterize(3);
    image_.ResetEffects();
    EXPECT_FALSE(image_.PicEmboss() || image_.PicGrayScale());
    EXPECT_EQ(image_.PicMonoNoise() + image_.PicPosterize(), 0);
    EXPECT_FALSE(image_.HasNoiseLayer() || image_.HasFilteredLayer());
    EXPECT_EQ(image_.DisplayPicture(), picture_);
}

TEST_F(OrImageTest, DisplayFollowsTheSourceSizeAndAnEmptySourceClearsIt) {
    image_.SetPicBrightness(10);
    image_.SetPictureOriginal(test::PixelPicture({1, 2, 3}));
    EXPECT_EQ(PixelOf(image_.DisplayPicture()), (Rgb{11, 12, 13}));
    image_.MutablePictureOriginal().SetSize(4, 2);
    image_.SetPicBrightness(20);  // rebuilds at the new size even before SourceChanged
    EXPECT_EQ(image_.DisplayPicture().Width(), 4);
    image_.SetPictureOriginal(Bitmap24());
    EXPECT_TRUE(image_.DisplayPicture().Empty());
}

TEST_F(OrImageTest, TooWidePicturesRaiseRangeErrorsAndLeaveNoStaleLayer) {
    image_.SetPictureOriginal(Bitmap24(kMaxPixelRowPixels, 1));
    EXPECT_THROW(image_.SetPictureOriginal(Bitmap24(kMaxPixelRowPixels + 1, 1)), ERangeError);
    image_.SetPictureOriginal(Bitmap24(kMaxKernelRowPixels, 2));
    image_.SetPicSplitBlur(1);
    EXPECT_TRUE(image_.HasFilteredLayer());
    EXPECT_THROW(image_.SetPictureOriginal(Bitmap24(kMaxKernelRowPixels + 1, 2)), ERangeError);
    EXPECT_FALSE(image_.HasFilteredLayer());
    EXPECT_EQ(image_.PicSplitBlur(), 1);
}

}  // namespace
}  // namespace lenzor
