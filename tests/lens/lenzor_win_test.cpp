// The lens on the real Win32 window and system: style transitions and whole redraws read back
// from the screen.
#include "lens/lenzor.h"

#include "lens/colors.h"
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "screen_test_helpers_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace lenzor {
namespace {

using test::MakeBlockCursor;
using test::MakePattern;
using test::PictureWindow;

constexpr uint32_t kClickThrough = WS_EX_LAYERED | WS_EX_TRANSPARENT;
// Bits the system keeps itself: topmost follows SetWindowPos, the window edge the border.
constexpr uint32_t kSystemManaged = WS_EX_TOPMOST | WS_EX_WINDOWEDGE;
constexpr DWORD kBorder = WS_CAPTION | WS_THICKFRAME;

class LenzorWinTest : public ::testing::Test {
protected:
    LenzorWinTest() : lens_(system_, std::make_unique<LensWindowWin>()) {}

    LensWindowWin& Window() { return static_cast<LensWindowWin&>(lens_.LensForm()); }
    DWORD Border() {
        return static_cast<DWORD>(GetWindowLongW(Window().Handle(), GWL_STYLE)) & kBorder;
    }
    uint32_t ExStyleSet() { return ExStyle() & ~kSystemManaged; }
    uint32_t ExStyle() {
        return static_cast<uint32_t>(GetWindowLongW(Window().Handle(), GWL_EXSTYLE));
    }

    LensSystemWin system_;
    TLenzor lens_;
};

TEST_F(LenzorWinTest, PositionModesSetBorderAndClickThroughOnTheWindow) {
    const uint32_t created = ExStyleSet();
    EXPECT_EQ(lens_.PositionMode(), pmCornerTracker);
    EXPECT_EQ(Border(), 0u);
    EXPECT_EQ(ExStyleSet(), created);
    EXPECT_EQ(lens_.LensForm().PictureWidth(), 242);

    lens_.SetPositionMode(pmUnderCursor);
    EXPECT_EQ(Border(), 0u);
    EXPECT_EQ(ExStyleSet(), kClickThrough);

    lens_.SetPositionMode(pmFixed);
    EXPECT_EQ(Border(), static_cast<DWORD>(WS_CAPTION));
    EXPECT_EQ(ExStyleSet(), created);
    EXPECT_EQ(lens_.Width(), 250);  // the caption takes its room from the picture

    lens_.SetMouseThrough(true);
    EXPECT_EQ(ExStyleSet(), kClickThrough);
    lens_.SetHoldPosition(true);  // the user drags it: never click-through
    EXPECT_EQ(ExStyleSet(), created);
    lens_.SetHoldPosition(false);
    lens_.SetPositionMode(pmFixedElusive);
    EXPECT_EQ(ExStyleSet(), kClickThrough);
    lens_.SetPositionMode(pmCornerTracker);
    EXPECT_EQ(Border(), 0u);
}

TEST_F(LenzorWinTest, TickShowsTheScreenAroundThePointerEnlargedByTwo) {
    HCURSOR cursor = MakeBlockCursor(8, 8);
    const Bitmap24 pattern = MakePattern(240, 200);
    PictureWindow screen(pattern, 500, 300, cursor);
    SetCursorPos(600, 400);
    ASSERT_TRUE(screen.WaitUntilOnScreen());
    ASSERT_TRUE(test::WaitFor([&] {  // the window has the focus and has set its pointer image
        return GetForegroundWindow() == screen.Handle() && test::ShownPointer() == cursor;
    }));

    lens_.SetHoldPosition(true);  // keep it away from the grabbed rectangle
    lens_.SetAlpha(255);
    lens_.LensForm().Move(20, 20);
    lens_.SetShown(true);
    for (int contrast : {cmNone, cmNegative}) {
        lens_.SetContrastMode(contrast);
        lens_.UpdateLens(false);
        EXPECT_FALSE(lens_.TakeNewFailure());

        // Picture 242 x 242 at (4, 4); grab (540, 340)-(661, 461), i.e. pattern (40, 40) on;
        // the pointer's block lands at grab (68, 68), the marker square at (120, 120). Held:
        // no corner bracket.
        Bitmap24 picture(242, 242);
        for (int y = 0; y < 242; ++y) {
            for (int x = 0; x < 242; ++x) {
                uint32_t c = pattern.PixelColor(40 + x / 2, 40 + y / 2);
                if (x >= 136 && x < 140 && y >= 136 && y < 140) {
                    c = 0xFFFFFF;
                }
                c = contrast == cmNegative ? c ^ 0xFFFFFF : c;
                if (x >= 120 && x < 126 && y >= 120 && y < 126) {
                    const bool outline = x == 120 || x == 125 || y == 120 || y == 125;
                    c = outline ? 0x000000 : 0xFFFFFF;
                }
                picture.SetPixelColor(x, y, c);
            }
        }
        const Bitmap24 expected = test::LensLook(picture, MarkerCorner::mkNone);
        const Bitmap24 shot = test::WaitForScreen(
            lens_.LensForm().Bounds(), [&](const Bitmap24& copy) { return copy == expected; });
        EXPECT_EQ(test::FirstDifference(shot, expected), "") << "mode " << contrast;
        EXPECT_EQ(GetForegroundWindow(), screen.Handle());
    }
    DestroyCursor(cursor);
}

// A corner tracker would follow the pointer; frozen, it stays and keeps its picture under its
// marks: the badge (light edge, top left), the frozen mark (top right) and the readout strip
// (bottom) with the colour under the pointer where it froze.
TEST_F(LenzorWinTest, AFrozenLensKeepsItsPictureUnderItsMarksWhileThePointerMoves) {
    const Bitmap24 pattern = MakePattern(240, 200);
    PictureWindow screen(pattern, 500, 300);
    SetCursorPos(600, 400);
    lens_.SetAlpha(255);
    lens_.SetShowColor(true);
    lens_.SetShown(true);
    lens_.UpdateLens(false);
    lens_.SetFrozen(true);
    lens_.ShowZoomBadge();  // shown until a Tick a second later
    const LensRect place = lens_.LensForm().Bounds();
    const Bitmap24 held = lens_.Picture();
    const auto frozen = [&](const Bitmap24& shot) {
        return test::Crop(shot, 4, 44, 242, 160) == test::Crop(held, 0, 40, 242, 160) &&
               shot.PixelColor(4 + 240, 4 + 240) == pattern.PixelColor(100, 100) &&
               shot.PixelColor(4 + 237, 8) == 0xE0E0E0u;
    };
    const Bitmap24 shot = test::WaitForScreen(place, frozen);
    EXPECT_TRUE(frozen(shot));
    EXPECT_EQ(shot.PixelColor(8, 8), 0xE0E0E0u);
    for (const LensPoint pointer : {LensPoint{520, 320}, {700, 480}, {300, 200}}) {
        SetCursorPos(pointer.x, pointer.y);
        lens_.UpdateLens(false);
        lens_.Tick();
        EXPECT_EQ(lens_.LensForm().Bounds(), place);
        EXPECT_TRUE(frozen(test::WaitForScreen(place, frozen))) << pointer.x;
    }
    lens_.SetFrozen(false);
    EXPECT_NE(lens_.LensForm().Bounds(), place) << "unfrozen, it goes to the pointer at once";
    EXPECT_FALSE(lens_.TakeNewFailure());
}

TEST_F(LenzorWinTest, CornerTrackerFollowsThePointerWithItsBracket) {
    lens_.SetUpdateInterval(60000);
    lens_.SetShown(true);
    SetCursorPos(300, 200);
    lens_.UpdateLens(false);
    EXPECT_EQ(lens_.LensForm().Bounds().left, 305);
    SetCursorPos(320, 260);
    lens_.Tick();
    EXPECT_EQ(lens_.LensForm().Bounds(), (LensRect{325, 265, 575, 515}));
    const Bitmap24 shot = test::WaitForScreen(lens_.LensForm().Bounds(), [](const Bitmap24& copy) {
        return copy.PixelColor(0, 0) == LensBracketColor() &&
               copy.PixelColor(40, 0) == LensFrameColor();
    });
    EXPECT_EQ(shot.PixelColor(0, 0), LensBracketColor());
    EXPECT_EQ(shot.PixelColor(40, 0), LensFrameColor());
    EXPECT_FALSE(lens_.TakeNewFailure());
}

}  // namespace
}  // namespace lenzor
