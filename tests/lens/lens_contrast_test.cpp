// The contrast stage with the real effect engine: fixed gamma, the broken-TV draws and the
// engine state kept or reset by the ContrastMode setter.
#include "lens/lens_contrast.h"

#include "core/numeric.h"
#include "core/random.h"
#include "lens_fakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace lenzor::testing {
namespace {

class ContrastTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSeed_ = RandomSeed();
        grab.SetSize(9, 7);
        for (int y = 0; y < grab.Height(); ++y) {
            for (int x = 0; x < grab.Width(); ++x) {
                grab.SetPixelColor(x, y, ScreenColor(x * 37, y * 41));
            }
        }
    }
    void TearDown() override { SetRandomSeed(savedSeed_); }
    Bitmap24 Render(int mode, const ContrastSettings& settings) {
        PictureMemory picture;
        RenderContrastStage(mode, settings, engine, grab, picture.Resize(18, 14));
        return ToBitmap24(picture.view);
    }

    Bitmap24 grab;
    TOrImageEngine engine;

private:
    uint32_t savedSeed_ = 0;
};

TEST_F(ContrastTest, FixedGammaGoesThroughTheEngineAndUnknownModesPaintLikeNone) {
    const Bitmap24 plain = Render(cmNone, {});
    EXPECT_EQ(Render(cmFixedGamma, {}), plain) << "all three values 0 change nothing";
    EXPECT_EQ(Render(7, {}), plain);
    ContrastSettings brighter;
    brighter.fixedBrightness = 60;
    const Bitmap24 bright = Render(cmFixedGamma, brighter);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 18 * 3; ++x) {
            ASSERT_EQ(bright.Row(y)[x], ClampByte(plain.Row(y)[x] + 60)) << x << "," << y;
        }
    }
}

TEST_F(ContrastTest, BrokenTVGlitchesRarelyAndAlwaysAddsNoiseInItsRange) {
    SetRandomSeed(2024);
    engine.SetPictureOriginal(grab);
    ContrastSettings level3;  // breakage 3: noise 13..712, anti-alias 0..10, split blur 1..13
    int glitches = 0, splitBlurs = 0;
    for (int frame = 0; frame < 1300; ++frame) {
        const int antiAlias = engine.PicAntiAlias(), splitBlur = engine.PicSplitBlur();
        ApplyContrastEffects(engine, cmBrokenTV, level3);
        ASSERT_GE(engine.PicColorNoise(), 13);
        ASSERT_LE(engine.PicColorNoise(), 712);
        ASSERT_LE(engine.PicAntiAlias(), 10);
        ASSERT_LE(engine.PicSplitBlur(), 13);
        ASSERT_TRUE(engine.PicAntiAlias() == 0 || engine.PicSplitBlur() == 0);
        if (engine.PicSplitBlur() != splitBlur || engine.PicAntiAlias() != antiAlias) {
            ++glitches;
        }
        splitBlurs += engine.PicSplitBlur() != splitBlur && engine.PicSplitBlur() > 0;
    }
    EXPECT_GT(glitches, 50) << "about one frame in 13";
    EXPECT_LT(glitches, 150);
    EXPECT_GT(splitBlurs, 0);
}

TEST_F(ContrastTest, BrokenTVLevelsWithEmptyRangesStillGiveValidNoise) {
    engine.SetPictureOriginal(grab);
    for (int level = -7; level <= -4; ++level) {  // the noise range L * 100 + 400 is <= 0
        ContrastSettings settings;
        settings.breakageTVLevel = level;
        ApplyContrastEffects(engine, cmBrokenTV, settings);
        EXPECT_EQ(engine.PicColorNoise(), level + 10);
    }
    for (int level : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        ContrastSettings settings;
        settings.breakageTVLevel = level;
        ApplyContrastEffects(engine, cmBrokenTV, settings);  // no overflow, no negative noise
        EXPECT_GE(engine.PicColorNoise(), 0);
    }
}

// A grab of another size reaches the engine as a bitmap is resized: height, then width, then
// the new pixels, each a change of the source; with noise on, every step draws a whole layer.
TEST_F(ContrastTest, ANewGrabSizeDrawsTheNoiseOfEveryResizeStep) {
    struct Case {
        int width, height;
        uint64_t resizeDraws;  // from the 9 x 7 grab before
    };
    for (const Case& c : {Case{12, 5, 3 * (9 * 5 + 12 * 5)}, Case{4, 7, 3 * 4 * 7},
                          Case{9, 3, 3 * 9 * 3}, Case{9, 7, 0}}) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        engine.SetPictureOriginal(grab);
        engine.SetPicColorNoise(50);  // the noise a broken-TV frame left on
        Bitmap24 next(c.width, c.height);
        SetRandomSeed(77);
        PictureMemory picture;
        RenderContrastStage(cmFixedGamma, {}, engine, next, picture.Resize(18, 14));
        const uint64_t newPixelsDraws = 3 * c.width * c.height;
        EXPECT_EQ(RandomSeed(), RandomStepOf(c.resizeDraws + newPixelsDraws).Apply(77));
    }
}

TEST(LenzorContrastModeTest, OnlyAChangeOfModeResetsTheEngine) {
    LensRig rig;
    TLenzor& lens = *rig.lens;
    lens.SetShown(true);
    const auto redraw = [&] {
        rig.system.tick += 1000;
        lens.Tick();
        return rig.window->presented.back();
    };
    const Bitmap24 plain = redraw();
    lens.SetContrastMode(cmBrokenTV);
    redraw();
    const int noise = lens.EffectImage().PicColorNoise();
    ASSERT_GT(noise, 0);
    lens.SetContrastMode(cmBrokenTV);
    EXPECT_EQ(lens.EffectImage().PicColorNoise(), noise);
    lens.SetContrastMode(cmFixedGamma);  // starts without any noise or blur
    EXPECT_EQ(lens.EffectImage().PicColorNoise(), 0);
    EXPECT_EQ(redraw(), plain);
}

}  // namespace
}  // namespace lenzor::testing
