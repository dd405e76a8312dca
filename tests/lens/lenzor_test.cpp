// TLenzor on fakes: construction, the window-style rule, setter guards, the throttled tick, the
// full redraw and what happens when a redraw fails.
#include "shown_lens_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lenzor::testing {
namespace {

TEST(LenzorTest, StartsHiddenWithItsDefaultsInACornerTrackerWindow) {
    LensRig rig;
    TLenzor& lens = *rig.lens;
    EXPECT_FALSE(lens.IsShown());
    EXPECT_EQ(lens.Width(), 250);
    EXPECT_EQ(lens.Height(), 250);
    EXPECT_EQ(lens.ZoomFactor(), 2.0);
    EXPECT_EQ(lens.Alpha(), 160);
    EXPECT_EQ(lens.UpdateInterval(), 100u);
    EXPECT_EQ(lens.CornerTrackOffset(), 5);
    EXPECT_EQ(lens.BreakageTVLevel(), 3);
    EXPECT_EQ(lens.ContrastMode(), cmNone);
    EXPECT_EQ(lens.PositionMode(), pmCornerTracker);
    EXPECT_EQ(rig.window->border, LensBorder::None);
    EXPECT_FALSE(rig.window->clickThrough);
    EXPECT_EQ(lens.OwnedCount(), 2u);
    lens.SetShown(true);
    EXPECT_TRUE(lens.IsShown());
}

TEST(LenzorTest, WindowStyleFollowsModeMouseThroughAndHoldPosition) {
    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeWindow& w = *rig.window;
    lens.SetPositionMode(pmUnderCursor);
    EXPECT_EQ(w.border, LensBorder::None);
    EXPECT_TRUE(w.clickThrough);
    lens.SetPositionMode(pmFixed);  // leaving under-cursor restores the initial style
    EXPECT_EQ(w.border, LensBorder::ToolWindowFixed);
    EXPECT_FALSE(w.clickThrough);
    lens.SetMouseThrough(true);
    EXPECT_TRUE(w.clickThrough);
    lens.SetPositionMode(pmFixedElusive);
    EXPECT_TRUE(w.clickThrough);
    lens.SetHoldPosition(true);  // a held lens is dragged, so never click-through
    EXPECT_FALSE(w.clickThrough);
    // Under cursor chosen while still held, then released: click-through after all, whatever
    // the order the options write the two values in.
    lens.SetPositionMode(pmUnderCursor);
    EXPECT_FALSE(w.clickThrough);
    lens.SetHoldPosition(false);
    EXPECT_TRUE(w.clickThrough);
    lens.SetPositionMode(9);  // an unknown mode: tool-window border, initial style
    EXPECT_EQ(w.border, LensBorder::ToolWindowFixed);
    EXPECT_FALSE(w.clickThrough);
    const int borderChanges = w.borderChanges;
    lens.SetPositionMode(9);
    EXPECT_EQ(w.borderChanges, borderChanges) << "the same mode keeps its border";
}

TEST(LenzorTest, WithoutLayeredWindowsThereIsNoClickThrough) {
    LensRig rig;
    rig.system.win2000 = false;
    rig.Create();
    rig.lens->SetPositionMode(pmUnderCursor);
    EXPECT_EQ(rig.lens->PositionMode(), pmCornerTracker);
    rig.lens->SetPositionMode(pmFixed);
    rig.lens->SetMouseThrough(true);
    EXPECT_FALSE(rig.window->clickThrough);
}

TEST(LenzorTest, RefusesUnusableZoomFactorsAndClampsAlpha) {
    LensRig rig;
    TLenzor& lens = *rig.lens;
    lens.SetZoomFactor(0.7);
    for (double bad : {0.0, -2.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        lens.SetZoomFactor(bad);
        EXPECT_EQ(lens.ZoomFactor(), 0.7) << bad;
    }
    lens.SetAlpha(300);
    EXPECT_EQ(lens.Alpha(), 255);
    lens.SetAlpha(-1);
    EXPECT_EQ(lens.Alpha(), 0);
}

using LenzorTickTest = ShownLensTest;

TEST_F(LenzorTickTest, RedrawsOncePerIntervalAndOnlyFollowsThePointerInBetween) {
    TickAt(1000);
    ASSERT_EQ(window.presented.size(), 1u);
    EXPECT_EQ(window.stayOnTopCalls, 1);
    const int moves = window.moves;
    TickAt(1050);  // pointer still, interval not elapsed: nothing at all
    EXPECT_EQ(window.moves, moves);
    EXPECT_EQ(window.presented.size(), 1u);
    rig.system.pointer = {600, 300};
    TickAt(1099);  // pointer moved: the lens follows with its old picture
    EXPECT_EQ(window.moves, moves + 1);
    EXPECT_EQ(window.bounds.left, 600 - 125);
    EXPECT_EQ(window.presented.size(), 1u);
    TickAt(1100);
    EXPECT_EQ(window.presented.size(), 2u);
}

TEST_F(LenzorTickTest, KeepsRedrawingWhenTheTickCountWraps) {
    TickAt(0xFFFFFFC0u);
    TickAt(0x10);  // 80 ms later
    EXPECT_EQ(window.presented.size(), 1u);
    TickAt(0x30);  // 112 ms later
    EXPECT_EQ(window.presented.size(), 2u);
}

TEST_F(LenzorTickTest, AHiddenLensOnlyKeepsTime) {
    lens.SetShown(false);
    TickAt(1000);
    rig.system.pointer = {10, 10};
    TickAt(1010);
    EXPECT_TRUE(rig.system.captures.empty());
    EXPECT_EQ(window.moves, 0);
    lens.SetShown(true);
    TickAt(1050);  // the interval counts from the last attempt, made while hidden
    EXPECT_TRUE(window.presented.empty());
    rig.system.pointerReadable = false;
    TickAt(1100);
    EXPECT_TRUE(window.presented.empty());
}

TEST_F(LenzorTickTest, PaintsTheGrabEnlargedInBlocksWithTheMarker) {
    lens.SetAlpha(200);
    TickAt(1000);
    ASSERT_EQ(rig.system.captures.size(), 1u);
    EXPECT_EQ(rig.system.captures[0], (LensRect{440, 340, 561, 461}));
    EXPECT_EQ(window.alpha, 200);
    const Bitmap24& picture = window.presented.at(0);
    ASSERT_EQ(picture.Width(), 242);
    ASSERT_EQ(picture.Height(), 242);
    for (int y = 0; y < 242; ++y) {
        for (int x = 0; x < 242; ++x) {
            uint32_t want = ScreenColor(440 + x / 2, 340 + y / 2);
            if (x >= 120 && x <= 125 && y >= 120 && y <= 125) {
                const bool inside = x > 120 && x < 125 && y > 120 && y < 125;
                want = inside ? 0xFFFFFFu : 0u;
            }
            ASSERT_EQ(picture.PixelColor(x, y), want) << x << "," << y;
        }
    }
}

// At zoom 2 the crisp picture repeats each grab pixel in a 2 x 2 block; the smooth one moves a
// quarter of a grab pixel from one picture pixel to the next.
TEST_F(LenzorTickTest, SmoothBlendsTheBlockEdgesThatCrispKeeps) {
    EXPECT_FALSE(lens.Smooth());
    TickAt(1000);
    lens.SetSmooth(true);
    TickAt(1100);
    const Bitmap24& crisp = window.presented.at(0);
    const Bitmap24& smooth = window.presented.at(1);
    int blended = 0;
    for (int x = 0; x < 100; x += 2) {
        EXPECT_EQ(crisp.PixelColor(x, 20), crisp.PixelColor(x + 1, 20));
        blended += smooth.PixelColor(x, 20) != smooth.PixelColor(x + 1, 20);
    }
    EXPECT_GE(blended, 45);
}

TEST_F(LenzorTickTest, NegativeModeComplementsEveryChannelButNotTheMarker) {
    lens.SetContrastMode(cmNegative);
    TickAt(1000);
    const Bitmap24& picture = window.presented.at(0);
    EXPECT_EQ(picture.PixelColor(0, 0), 0xFFFFFFu - ScreenColor(440, 340));
    EXPECT_EQ(picture.PixelColor(241, 99), 0xFFFFFFu - ScreenColor(560, 389));
    EXPECT_EQ(picture.PixelColor(122, 122), 0xFFFFFFu);
}

// A broken-TV lens resized and moved between two redraws shows the new grab at the new size
// under the noise it keeps: nothing of the old grab, or of a picture of the old size, survives.
TEST_F(LenzorTickTest, AResizedBrokenTVLensShowsTheNewGrabUnderItsNoise) {
    lens.SetContrastMode(cmBrokenTV);
    TickAt(1000);        // 121 x 121 around (500, 400)
    lens.SetWidth(208);  // picture 200 x 200, grab 100 x 100
    lens.SetHeight(208);
    rig.system.pointer = {200, 150};
    TickAt(2000);
    Bitmap24 grab;
    rig.system.CaptureScreen(LensRect{150, 100, 250, 200}, true, grab);

    const TOrImageEngine& engine = lens.EffectImage();
    EXPECT_GT(engine.PicColorNoise(), 0);
    const Bitmap24& source = engine.PictureOriginal();
    EXPECT_TRUE(source == grab);
    const Bitmap24& shown = engine.DisplayPicture();
    EXPECT_FALSE(shown == source) << "no noise on the picture";
    const Bitmap24& picture = window.presented.at(1);
    ASSERT_EQ(picture.Width(), 200);
    ASSERT_EQ(picture.Height(), 200);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool marker = x >= 100 && x < 106 && y >= 100 && y < 106;
            if (!marker) {
                ASSERT_EQ(picture.PixelColor(x, y), shown.PixelColor(x / 2, y / 2))
                    << x << "," << y;
            }
        }
    }
}

TEST_F(LenzorTickTest, AFailingRedrawIsSkippedRetriedAndReportedOnce) {
    rig.system.captureError = "screen locked";
    TickAt(1000);
    EXPECT_TRUE(window.presented.empty());
    EXPECT_EQ(lens.TakeNewFailure(), "screen locked");
    EXPECT_EQ(lens.TakeNewFailure(), std::nullopt);
    TickAt(1100);
    TickAt(1200);
    EXPECT_EQ(lens.TakeNewFailure(), std::nullopt) << "the same failure is not reported again";
    rig.system.captureError = "out of memory";
    TickAt(1300);
    EXPECT_EQ(lens.TakeNewFailure(), "out of memory");
    rig.system.captureError.clear();
    TickAt(1400);
    EXPECT_EQ(window.presented.size(), 1u);
    EXPECT_EQ(window.stayOnTopCalls, 1);
}

}  // namespace
}  // namespace lenzor::testing
