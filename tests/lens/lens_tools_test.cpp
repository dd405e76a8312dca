// The pixel tools on fakes: the readout's text and ink, the grid's geometry, freezing, the zoom
// badge, the colour under the pointer and whether screen capture may see the lens.
#include "lens/lens_grid.h"
#include "lens/lens_overlay_text.h"
#include "lens/lens_render.h"
#include "shown_lens_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lenzor::testing {
namespace {

TEST(LensOverlayTextTest, ReadoutTextInkThatStandsOutAndTheZoomBadge) {
    const struct {
        uint32_t color;  // $00BBGGRR
        const char* text;
        bool blackInk;
    } cases[] = {{0x000000, "#000000  R 0  G 0  B 0", false},
                 {0xFFFFFF, "#FFFFFF  R 255  G 255  B 255", true},
                 {0x808080, "#808080  R 128  G 128  B 128", true},
                 {0x0000FF, "#FF0000  R 255  G 0  B 0", true},
                 {0x00FF00, "#00FF00  R 0  G 255  B 0", true},
                 {0xFF0000, "#0000FF  R 0  G 0  B 255", false},
                 {0x00FFFF, "#FFFF00  R 255  G 255  B 0", true},
                 {0x0A0BFC, "#FC0B0A  R 252  G 11  B 10", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadoutText(c.color), c.text);
        EXPECT_EQ(ReadoutTextColor(c.color), c.blackInk ? 0x000000u : 0xFFFFFFu) << c.text;
    }
    FormatSettings german;
    german.decimalSeparator = ',';
    EXPECT_EQ(ZoomBadgeText(2.5, german), "x2,5");
    EXPECT_EQ(ZoomBadgeText(32, FormatSettings{}), "x32");
    EXPECT_EQ(ZoomBadgeText(4.0 / 3, FormatSettings{}), "x1.33");
    EXPECT_EQ(ZoomBadgeText(0.001, FormatSettings{}), "x0.001");
}

// The lines must fall exactly where the stretch's blocks meet, found from the stretched picture
// itself (every source pixel has its own colour), and show: some channel moves a good way.
TEST(PixelGridTest, LinesOnTheBlockEdgesAndABoxAroundThePointersBlock) {
    const LensPoint pointer{500, 400};
    for (const auto& [width, height, zoom] :
         {std::tuple{121, 77, 6.0}, {243, 177, 8.0}, {97, 161, 32.0}, {45, 45, 6.5}}) {
        const LensRect grab = ComputeRenderGeometry(width, height, zoom, pointer).grab;
        Bitmap24 source;
        FakeSystem().CaptureScreen(grab, true, source);
        PictureMemory memory;
        StretchNearest(source, memory.Resize(width, height));
        const Bitmap24 plain = ToBitmap24(memory.view);
        DrawPixelGrid(memory.view, grab.Width(), grab.Height(),
                      {pointer.x - grab.left, pointer.y - grab.top});
        const Bitmap24 grid = ToBitmap24(memory.view);
        int left = width, top = height, right = 0, bottom = 0;  // the pointer's block
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (plain.PixelColor(x, y) == ScreenColor(pointer.x, pointer.y)) {
                    left = std::min(left, x), right = std::max(right, x + 1);
                    top = std::min(top, y), bottom = std::max(bottom, y + 1);
                }
            }
        }
        const auto ring = [](int x, int y, int l, int t, int r, int b) {
            return x >= l && x <= r && y >= t && y <= b && (x == l || x == r || y == t || y == b);
        };
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint32_t was = plain.PixelColor(x, y), is = grid.PixelColor(x, y);
                int moved = 0;
                for (int shift = 0; shift <= 16; shift += 8) {
                    moved = std::max(moved,
                                     std::abs(int(is >> shift & 0xFF) - int(was >> shift & 0xFF)));
                }
                const bool line = (x > 0 && was != plain.PixelColor(x - 1, y)) ||
                                  (y > 0 && was != plain.PixelColor(x, y - 1));
                const auto at = ::testing::Message() << "zoom " << zoom << " at " << x << "," << y;
                if (ring(x, y, left, top, right, bottom)) {
                    ASSERT_EQ(is, 0x000000u) << at;
                } else if (ring(x, y, left - 1, top - 1, right + 1, bottom + 1)) {
                    ASSERT_EQ(is, 0xFFFFFFu) << at;
                } else {
                    ASSERT_EQ(moved >= 40, line) << at;
                    ASSERT_EQ(is == was, !line) << at;
                }
            }
        }
    }
}

class LensToolsTest : public ShownLensTest {
protected:
    // What a lens of its own shows at that zoom and pointer, unfrozen.
    static Bitmap24 FreshPicture(double zoom, LensPoint pointer, int contrastMode = cmNone) {
        LensRig other;
        other.system.pointer = pointer;
        other.lens->SetPositionMode(pmUnderCursor);
        other.lens->SetContrastMode(contrastMode);
        other.lens->SetZoomFactor(zoom);
        other.lens->SetShown(true);
        other.lens->UpdateLens(false);
        return other.window->presented.at(0);
    }
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
    EXPECT_EQ(window.bounds, place);
    EXPECT_EQ(lens.Picture(), window.presented.at(0));

    lens.SetShown(false);
    lens.SetFrozen(true);  // a hidden lens has nothing to hold
    EXPECT_FALSE(lens.Frozen() || window.overlay.frozen);
    lens.SetShown(true);
    TickAt(1600);
    EXPECT_EQ(window.presented.size(), 2u);

    lens.SetFrozen(true);
    lens.SetContrastMode(cmNone);  // the same modes again
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
    EXPECT_EQ(rig.system.captures.size(), 1u) << "the screen is not grabbed again";
    EXPECT_EQ(window.presented.at(1), FreshPicture(4, frozenAt, cmNegative));

    lens.SetContrastMode(cmNone);
    lens.SetZoomFactor(2);
    rig.system.pointer = frozenAt;
    TickAt(2000);
    lens.SetFrozen(true);
    lens.SetZoomFactor(1);  // twice the held grab's (440, 340)-(561, 461): black around it
    lens.ShowZoomBadge();
    const Bitmap24& wide = window.presented.back();
    const Bitmap24 reference = FreshPicture(1, frozenAt);  // picture x is screen x - 379
    for (const auto& [x, y] : {std::pair{61, 61}, {181, 100}, {100, 181}}) {
        EXPECT_EQ(wide.PixelColor(x, y), reference.PixelColor(x, y)) << x << "," << y;
    }
    EXPECT_EQ(wide.PixelColor(60, 100) | wide.PixelColor(182, 100) | wide.PixelColor(0, 0), 0u);
}

TEST_F(LensToolsTest, TheZoomBadgeGoesAfterASecondWithoutGrabbingTheScreen) {
    TickAt(1000);
    lens.SetUpdateInterval(60000);
    lens.SetZoomFactor(2.5);
    const int changes = window.overlayChanges;
    lens.ShowZoomBadge();
    EXPECT_EQ(window.overlay.badge, ZoomBadgeText(2.5));
    TickAt(1999);
    EXPECT_EQ(window.overlayChanges, changes + 1);
    TickAt(2000);
    EXPECT_TRUE(window.overlay.badge.empty());
    EXPECT_EQ(window.overlayChanges, changes + 2);
    EXPECT_EQ(rig.system.captures.size(), 1u);
}

TEST_F(LensToolsTest, ReadoutAndGridLeaveTheColourUnderThePointerAlone) {
    lens.SetShowColor(true);
    lens.SetContrastMode(cmNegative);
    lens.SetZoomFactor(8);
    lens.SetPixelGrid(true);
    TickAt(1000);
    EXPECT_EQ(window.overlay.readout, ScreenColor(500, 400));
    EXPECT_EQ(lens.ColorUnderPointer(), ScreenColor(500, 400));
    EXPECT_EQ(lens.Picture(), window.presented.back()) << "the grid is part of the picture";
    lens.SetPixelGrid(false);
    TickAt(1100);
    EXPECT_NE(window.presented.back(), window.presented.front());
    lens.SetZoomFactor(5.9);  // too small for a grid
    TickAt(1200);
    lens.SetPixelGrid(true);
    TickAt(1300);
    EXPECT_EQ(window.presented.at(3), window.presented.at(2));
    lens.SetShowColor(false);
    EXPECT_EQ(window.overlay.readout, std::nullopt);
    rig.system.pointerReadable = false;
    EXPECT_EQ(lens.ColorUnderPointer(), std::nullopt);
}

TEST(LensCaptureVisibilityTest, UnderCursorAlwaysExcludedElsewhereAsTheSettingSays) {
    for (const bool can : {false, true}) {
        for (const int mode : {pmUnderCursor, pmCornerTracker, pmFixedElusive, pmFixed}) {
            for (const bool visible : {false, true}) {
                LensRig rig;
                rig.system.canExcludeFromCapture = can;
                rig.Create();
                rig.lens->SetVisibleToCapture(visible);
                rig.lens->SetPositionMode(mode);
                EXPECT_EQ(rig.window->excludedFromCapture,
                          can ? std::optional(mode == pmUnderCursor || !visible) : std::nullopt)
                    << "mode " << mode << " visible " << visible << " can " << can;
            }
        }
    }
    LensRig rig;  // the window is told only when the answer changes
    rig.lens->SetVisibleToCapture(false);
    rig.lens->SetPositionMode(pmFixed);
    EXPECT_EQ(rig.window->exclusionCalls, 1);
    rig.lens->SetVisibleToCapture(true);
    rig.lens->SetPositionMode(pmUnderCursor);
    EXPECT_EQ(rig.window->exclusionCalls, 3);
}

}  // namespace
}  // namespace lenzor::testing
