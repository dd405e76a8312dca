#include "lens/lens_window_win.h"

#include "../ui/message_pump_win.h"
#include "lens/colors.h"
#include "screen_test_helpers_win.h"

#include <gtest/gtest.h>

#include <string>

namespace lenzor {
namespace {

using test::FirstDifference;
using test::LensLook;
using test::MakePattern;

constexpr uint32_t kClickThrough = WS_EX_LAYERED | WS_EX_TRANSPARENT;

DWORD Style(const LensWindowWin& lens) {
    return static_cast<DWORD>(GetWindowLongW(lens.Handle(), GWL_STYLE));
}
uint32_t ExStyle(const LensWindowWin& lens) {
    return static_cast<uint32_t>(GetWindowLongW(lens.Handle(), GWL_EXSTYLE));
}

BYTE LayeredAlpha(const LensWindowWin& lens) {
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(lens.Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
    return alpha;
}

TEST(LensWindowWinTest, StartsHiddenAsALayeredTopmostToolWindowWithoutTaskbarButton) {
    LensWindowWin lens;
    EXPECT_FALSE(lens.Visible());
    const uint32_t ex = ExStyle(lens);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(Style(lens) & WS_THICKFRAME);
    EXPECT_TRUE(Style(lens) & WS_POPUP);
    EXPECT_FALSE(Style(lens) & WS_SYSMENU);
    // Owned by a hidden window: no taskbar button even when a mode drops WS_EX_TOOLWINDOW.
    HWND owner = GetWindow(lens.Handle(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(lens.Bounds().Width(), 250);
    EXPECT_EQ(lens.Bounds().Height(), 250);
}

// "Show glass" and the lens must agree: a stray WM_CLOSE to the lens or to its hidden owner
// changes nothing. Should the window be destroyed all the same, the object lets go of it.
TEST(LensWindowWinTest, AStrayCloseIsRefusedAndADestroyedWindowIsForgotten) {
    LensWindowWin lens;
    lens.Show();
    HWND window = lens.Handle();
    HWND owner = GetWindow(window, GW_OWNER);
    PostMessageW(window, WM_CLOSE, 0, 0);
    PostMessageW(owner, WM_CLOSE, 0, 0);
    test_support::PumpQueuedMessages();
    EXPECT_TRUE(IsWindow(owner));
    EXPECT_EQ(lens.Handle(), window);
    EXPECT_TRUE(lens.Visible());

    DestroyWindow(window);
    EXPECT_EQ(lens.Handle(), nullptr);
    EXPECT_FALSE(lens.Visible());
}

TEST(LensWindowWinTest, BordersKeepTheOuterSizeAndTheFrameAroundThePicture) {
    LensWindowWin lens;
    lens.SetBorder(LensBorder::None);
    EXPECT_FALSE(Style(lens) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(lens.Bounds().Width(), 250);
    EXPECT_EQ(lens.PictureWidth(), 242);
    EXPECT_EQ(lens.PictureHeight(), 242);

    lens.SetBorder(LensBorder::ToolWindowFixed);
    EXPECT_EQ(Style(lens) & (WS_CAPTION | WS_THICKFRAME), static_cast<DWORD>(WS_CAPTION));
    EXPECT_EQ(lens.Bounds().Width(), 250);
    EXPECT_EQ(lens.Bounds().Height(), 250);
    RECT client{};
    GetClientRect(lens.Handle(), &client);
    EXPECT_EQ(lens.PictureWidth(), client.right - 8);
    EXPECT_EQ(lens.PictureHeight(), client.bottom - 8);
    EXPECT_LT(lens.PictureHeight(), lens.PictureWidth());  // the caption takes its share

    lens.Resize(300, 200);
    lens.SetBorder(LensBorder::None);
    EXPECT_EQ(lens.PictureWidth(), 292);
    EXPECT_EQ(lens.PictureHeight(), 192);
    lens.Resize(6, 6);
    EXPECT_EQ(lens.PictureWidth(), 0);
}

TEST(LensWindowWinTest, ClickThroughReplacesTheExtendedStyleWholeAndAlphaSurvivesIt) {
    LensWindowWin lens;
    const uint32_t saved = ExStyle(lens);
    lens.SetAlpha(160);
    EXPECT_EQ(LayeredAlpha(lens), 160);

    lens.SetClickThrough(true);
    // Topmost belongs to SetWindowPos and the window edge to the border; everything else is
    // exactly layered and transparent.
    const uint32_t systemManaged = WS_EX_TOPMOST | WS_EX_WINDOWEDGE;
    EXPECT_EQ(ExStyle(lens) & ~systemManaged, kClickThrough);
    EXPECT_EQ(LayeredAlpha(lens), 160);

    lens.SetClickThrough(false);
    EXPECT_EQ(ExStyle(lens) & ~systemManaged, saved & ~systemManaged);
    EXPECT_TRUE(ExStyle(lens) & WS_EX_TOPMOST);
    lens.SetAlpha(255);
    EXPECT_EQ(LayeredAlpha(lens), 255);
}

TEST(LensWindowWinTest, ShowsOnTopWithoutTakingTheFocus) {
    const Bitmap24 pattern = MakePattern(50, 50);
    test::PictureWindow focused(pattern, 600, 500);
    ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == focused.Handle(); }));

    LensWindowWin lens;
    lens.SetBorder(LensBorder::None);
    lens.Move(40, 60);
    lens.Show();
    lens.StayOnTopNoActivate();
    // Once the lens is on the screen, the system has done what it does for a window shown.
    const Bitmap24 shown = test::WaitForScreen(lens.Bounds(), [](const Bitmap24& shot) {
        return shot.PixelColor(0, 0) == LensFrameColor() &&
               shot.PixelColor(249, 249) == LensFrameColor();
    });
    EXPECT_EQ(shown.PixelColor(249, 249), LensFrameColor());
    EXPECT_TRUE(lens.Visible());
    EXPECT_EQ(GetForegroundWindow(), focused.Handle());
    EXPECT_TRUE(ExStyle(lens) & WS_EX_TOPMOST);
    EXPECT_EQ(lens.Bounds(), (LensRect{40, 60, 290, 310}));

    // Another topmost window shown later stands above the lens until the next redraw's call.
    test::PictureWindow later(pattern, 700, 500);
    SetWindowPos(later.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ASSERT_TRUE(test::WaitFor([&] { return GetTopWindow(nullptr) == later.Handle(); }));
    lens.StayOnTopNoActivate();
    EXPECT_EQ(GetTopWindow(nullptr), lens.Handle());
    lens.StayOnTopNoActivate();  // already on top: stays there
    EXPECT_EQ(GetTopWindow(nullptr), lens.Handle());

    lens.Hide();
    EXPECT_FALSE(lens.Visible());
}

// Under Xvfb nothing composites, so the layered lens appears opaque in a screen copy.
class LensOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        lens_.SetBorder(LensBorder::None);
        lens_.SetAlpha(255);
        lens_.Move(100, 100);
        lens_.Show();
    }

    void Present(const Bitmap24& picture) {
        const LensPicture buffer = lens_.PictureBuffer(picture.Width(), picture.Height());
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                buffer.SetPixelColor(x, y, picture.PixelColor(x, y));
            }
        }
        lens_.Present();
    }

    // Where the screen copy of the lens differs from the look, once it shows it or the
    // time-out has passed.
    std::string Shows(const Bitmap24& look) {
        const Bitmap24 shot =
            test::WaitForScreen(lens_.Bounds(), [&](const Bitmap24& copy) { return copy == look; });
        return FirstDifference(shot, look);
    }

    LensWindowWin lens_;
};

TEST_F(LensOnScreenTest, PaintsThePicture1To1InsideTheFrame) {
    const Bitmap24 picture = MakePattern(242, 242);
    Present(picture);
    EXPECT_EQ(Shows(LensLook(picture, MarkerCorner::mkNone)), "");
}

TEST_F(LensOnScreenTest, PictureSmallerThanTheAreaLeavesPanelGrey) {
    const Bitmap24 picture = MakePattern(100, 50);
    Present(picture);
    EXPECT_EQ(Shows(LensLook(picture, MarkerCorner::mkNone)), "");
}

TEST_F(LensOnScreenTest, CornerBracketShowsOnlyUnderTheFrame) {
    const Bitmap24 picture = MakePattern(242, 242);
    Present(picture);
    for (MarkerCorner corner :
         {MarkerCorner::mkTopLeft, MarkerCorner::mkBottomRight, MarkerCorner::mkNone}) {
        lens_.ShowCornerMarker(corner);
        EXPECT_EQ(Shows(LensLook(picture, corner)), "") << static_cast<int>(corner);
    }
}

}  // namespace
}  // namespace lenzor
