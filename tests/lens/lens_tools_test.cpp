// The pixel tools on fakes: the readout's text and ink, the grid's geometry, freezing, the zoom
// badge, the colour under the pointer and whether screen capture may see the lens.
#include "lens/lens_grid.h"
#include "lens/lens_overlay_text.h"
#include "lens/lens_render.h"
#include "lens_fakes.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lenzor::testing {
namespace {

TEST(LensOverlayTextTest, ReadoutTextAndAnInkThatStandsOutOnTheSwatch) {
    constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
    const struct {
        uint32_t color;  // $00BBGGRR
        const char* text;
        uint32_t ink;
    } cases[] = {
        {0x000000, "#000000  R 0  G 0  B 0", kWhite},
        {0xFFFFFF, "#FFFFFF  R 255  G 255  B 255", kBlack},
        {0x808080, "#808080  R 128  G 128  B 128", kBlack},
        {0x404040, "#404040  R 64  G 64  B 64", kWhite},
        {0x0000FF, "#FF0000  R 255  G 0  B 0", kBlack},
        {0x00FF00, "#00FF00  R 0  G 255  B 0", kBlack},
        {0xFF0000, "#0000FF  R 0  G 0  B 255", kWhite},
        {0x00FFFF, "#FFFF00  R 255  G 255  B 0", kBlack},
        {0x0A0BFC, "#FC0B0A  R 252  G 11  B 10", kBlack},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadoutText(c.color), c.text);
        EXPECT_EQ(ReadoutTextColor(c.color), c.ink) << c.text;
    }
}

TEST(LensOverlayTextTest, ZoomBadgeInTheLocalesFormRoundedForAGlance) {
    FormatSettings german;
    german.decimalSeparator = ',';
    EXPECT_EQ(ZoomBadgeText(2.5, german), "x2,5");
    EXPECT_EQ(ZoomBadgeText(2.5, FormatSettings{}), "x2.5");
    EXPECT_EQ(ZoomBadgeText(32, FormatSettings{}), "x32");
    EXPECT_EQ(ZoomBadgeText(0.7, FormatSettings{}), "x0.7");
    EXPECT_EQ(ZoomBadgeText(4.0 / 3, FormatSettings{}), "x1.33");
    EXPECT_EQ(ZoomBadgeText(0.001, FormatSettings{}), "x0.001");
}

// The lines must fall exactly where the stretch's blocks meet, found from the stretched picture
// itself: every source pixel has its own colour, so a block ends where the colour changes.
TEST(PixelGridTest, LinesOnTheBlockEdgesAndABoxAroundThePointersBlock) {
    const struct {
        int width, height;
        double zoom;
    } cases[] = {{121, 77, 6}, {243, 177, 8}, {97, 161, 32}, {45, 45, 6.5}};
    for (const auto& c : cases) {
        const LensPoint pointer{500, 400};
        const RenderGeometry g = ComputeRenderGeometry(c.width, c.height, c.zoom, pointer);
        Bitmap24 source(g.grab.Width(), g.grab.Height());
        for (int y = 0; y < source.Height(); ++y) {
            for (int x = 0; x < source.Width(); ++x) {
                source.SetPixelColor(x, y, ScreenColor(g.grab.left + x, g.grab.top + y));
            }
        }
        PictureMemory memory;
        const LensPicture picture = memory.Resize(c.width, c.height);
        StretchNearest(source, picture);
        const Bitmap24 plain = ToBitmap24(picture);
        DrawPixelGrid(picture, source.Width(), source.Height(),
                      {pointer.x - g.grab.left, pointer.y - g.grab.top});
        const Bitmap24 grid = ToBitmap24(picture);

        // The pointer's block, and the rings on and around its edges.
        int left = c.width, top = c.height, right = -1, bottom = -1;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                if (plain.PixelColor(x, y) == ScreenColor(pointer.x, pointer.y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
            }
        }
        ASSERT_LE(left, right);
        const auto onRing = [](int x, int y, int l, int t, int r, int b) {
            return x >= l && x <= r && y >= t && y <= b && (x == l || x == r || y == t || y == b);
        };
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const uint32_t before = plain.PixelColor(x, y), after = grid.PixelColor(x, y);
                const auto where = ::testing::Message()
                                   << "zoom " << c.zoom << " at " << x << "," << y;
                if (onRing(x, y, left, top, right + 1, bottom + 1)) {
                    ASSERT_EQ(after, 0x000000u) << where;
                } else if (onRing(x, y, left - 1, top - 1, right + 2, bottom + 2)) {
                    ASSERT_EQ(after, 0xFFFFFFu) << where;
                } else if ((x > 0 && before != plain.PixelColor(x - 1, y)) ||
                           (y > 0 && before != plain.PixelColor(x, y - 1))) {
                    int change = 0;  // visible: some channel moves a good way
                    for (int shift = 0; shift <= 16; shift += 8) {
                        change = std::max(change, std::abs(int((after >> shift) & 0xFF) -
                                                           int((before >> shift) & 0xFF)));
                    }
                    ASSERT_GE(change, 40) << where;
                } else {
                    ASSERT_EQ(after, before) << where;
                }
            }
        }
    }
}

class LensToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        lens.SetPositionMode(pmUnderCursor);
        lens.SetShown(true);
    }
    void TickAt(uint32_t tick) {
        rig.system.tick = tick;
        lens.Tick();
    }
    // A lens of its own with the same settings, unfrozen, redrawn once at the pointer.
    Bitmap24 FreshPicture(double zoom, LensPoint pointer) {
        LensRig other;
        other.system.pointer = pointer;
        other.lens->SetPositionMode(pmUnderCursor);
        other.lens->SetZoomFactor(zoom);
        other.lens->SetShown(true);
        other.lens->UpdateLens(false);
        return other.window->presented.at(0);
    }
    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeWindow& window = *rig.window;
};

TEST_F(LensToolsTest, AFrozenLensHoldsPictureAndPlaceUntilHiddenOrAModeChanges) {
    TickAt(1000);
    lens.SetFrozen(true);
    EXPECT_TRUE(window.overlay.frozen);
    const LensRect place = window.bounds;
    rig.system.pointer = {300, 200};
    for (uint32_t t = 1010; t <= 1500; t += 10) {
        TickAt(t);
    }
    EXPECT_EQ(window.presented.size(), 1u);
    EXPECT_EQ(rig.system.captures.size(), 1u);
    EXPECT_EQ(window.bounds, place);
    EXPECT_EQ(lens.Picture(), window.presented.at(0));

    lens.SetShown(false);
    EXPECT_FALSE(lens.Frozen());
    EXPECT_FALSE(window.overlay.frozen);
    lens.SetFrozen(true);  // a hidden lens has nothing to hold
    EXPECT_FALSE(lens.Frozen());
    lens.SetShown(true);
    TickAt(1600);
    EXPECT_EQ(window.presented.size(), 2u);

    lens.SetFrozen(true);
    lens.SetContrastMode(cmNone);  // the same mode again
    lens.SetPositionMode(pmUnderCursor);
    EXPECT_TRUE(lens.Frozen());
    lens.SetContrastMode(cmNegative);
    EXPECT_FALSE(lens.Frozen());
    lens.SetFrozen(true);
    lens.SetPositionMode(pmFixed);
    EXPECT_FALSE(lens.Frozen());
    lens.SetFrozen(true);
    lens.SetFrozen(false);  // redraws at once
    EXPECT_EQ(window.presented.size(), 3u);
}

TEST_F(LensToolsTest, AZoomChangeWhileFrozenRendersTheHeldGrabAnew) {
    lens.SetContrastMode(cmNegative);  // inverts its grab in place: the held one must not be
    TickAt(1000);
    lens.SetFrozen(true);
    const LensPoint frozenAt = rig.system.pointer;
    rig.system.pointer = {100, 100};
    lens.SetZoomFactor(4);
    lens.ShowZoomBadge();
    ASSERT_EQ(window.presented.size(), 2u);
    EXPECT_EQ(rig.system.captures.size(), 1u) << "the screen is not grabbed again";
    Bitmap24 expected = FreshPicture(4, frozenAt);
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            const uint32_t c = expected.PixelColor(x, y);
            const bool marker = x >= 120 && x < 126 && y >= 120 && y < 126;
            expected.SetPixelColor(x, y, marker ? c : c ^ 0xFFFFFF);
        }
    }
    EXPECT_EQ(window.presented.at(1), expected);

    lens.SetContrastMode(cmNone);
    lens.SetZoomFactor(2);
    rig.system.pointer = frozenAt;
    TickAt(2000);
    lens.SetFrozen(true);
    lens.SetZoomFactor(1);  // twice the held grab's (440, 340)-(561, 461): black around it
    lens.ShowZoomBadge();
    const Bitmap24& wide = window.presented.back();
    const Bitmap24 reference = FreshPicture(1, frozenAt);  // picture x is screen x - 379
    for (const LensPoint held : {LensPoint{61, 61}, LensPoint{181, 100}, LensPoint{100, 181}}) {
        EXPECT_EQ(wide.PixelColor(held.x, held.y), reference.PixelColor(held.x, held.y));
    }
    for (const LensPoint outside : {LensPoint{60, 100}, LensPoint{182, 100}, LensPoint{0, 0}}) {
        EXPECT_EQ(wide.PixelColor(outside.x, outside.y), 0u);
    }
}

TEST_F(LensToolsTest, TheZoomBadgeGoesAfterASecondWithoutGrabbingTheScreen) {
    TickAt(1000);
    lens.SetUpdateInterval(60000);
    lens.SetZoomFactor(2.5);
    const int changes = window.overlayChanges;
    lens.ShowZoomBadge();
    EXPECT_EQ(window.overlay.badge, ZoomBadgeText(2.5));
    EXPECT_EQ(window.overlayChanges, changes + 1);
    TickAt(1999);
    EXPECT_FALSE(window.overlay.badge.empty());
    TickAt(2000);
    EXPECT_TRUE(window.overlay.badge.empty());
    EXPECT_EQ(window.overlayChanges, changes + 2);
    EXPECT_EQ(rig.system.captures.size(), 1u);
    EXPECT_EQ(window.presented.size(), 1u);
}

TEST_F(LensToolsTest, ReadoutAndGridLeaveTheColourUnderThePointerAlone) {
    const uint32_t screen = ScreenColor(500, 400);
    lens.SetShowColor(true);
    lens.SetContrastMode(cmNegative);
    lens.SetZoomFactor(8);
    TickAt(1000);
    EXPECT_EQ(window.overlay.readout, screen);
    const Bitmap24 plain = window.presented.back();
    lens.SetPixelGrid(true);
    TickAt(1100);
    EXPECT_NE(window.presented.back(), plain);
    EXPECT_EQ(lens.Picture(), window.presented.back()) << "the grid is part of the picture";
    EXPECT_EQ(lens.ColorUnderPointer(), screen);
    EXPECT_EQ(window.overlay.readout, screen);
    lens.SetZoomFactor(5.9);  // too small for a grid
    lens.SetPixelGrid(false);
    TickAt(1200);
    const Bitmap24 noGrid = window.presented.back();
    lens.SetPixelGrid(true);
    TickAt(1300);
    EXPECT_EQ(window.presented.back(), noGrid);
    lens.SetShowColor(false);
    EXPECT_EQ(window.overlay.readout, std::nullopt);
    rig.system.pointerReadable = false;
    EXPECT_EQ(lens.ColorUnderPointer(), std::nullopt);
}

TEST(LensCaptureVisibilityTest, UnderCursorAlwaysExcludedElsewhereAsTheSettingSays) {
    for (const bool canExclude : {false, true}) {
        for (const int mode : {pmUnderCursor, pmCornerTracker, pmFixedElusive, pmFixed}) {
            for (const bool visible : {false, true}) {
                LensRig rig;
                rig.system.canExcludeFromCapture = canExclude;
                rig.Create();
                rig.lens->SetVisibleToCapture(visible);
                rig.lens->SetPositionMode(mode);
                const std::optional<bool> expected =
                    canExclude ? std::optional(mode == pmUnderCursor || !visible) : std::nullopt;
                EXPECT_EQ(rig.window->excludedFromCapture, expected)
                    << "mode " << mode << (visible ? " visible" : "")
                    << (canExclude ? "" : " cannot exclude");
            }
        }
    }
    LensRig rig;  // the window is told only when the answer changes
    EXPECT_EQ(rig.window->exclusionCalls, 1);
    rig.lens->SetVisibleToCapture(false);
    rig.lens->SetPositionMode(pmFixed);
    EXPECT_EQ(rig.window->exclusionCalls, 1);
    rig.lens->SetVisibleToCapture(true);
    rig.lens->SetPositionMode(pmUnderCursor);
    EXPECT_EQ(rig.window->exclusionCalls, 3);
}

}  // namespace
}  // namespace lenzor::testing
