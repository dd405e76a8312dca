#include "lens/screen_capture_win.h"

#include "lens/lens_system_win.h"
#include "lens/os_version_win.h"
#include "screen_test_helpers_win.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using test::MakeBlockCursor;
using test::MakePattern;
using test::PictureWindow;

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kGrey = 0x00808080;

// A memory DC with a 24-bit picture, filled with a colour, read back as a Bitmap24.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

Bitmap24 Crop(const Bitmap24& source, int left, int top, int width, int height) {
    Bitmap24 part(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.SetPixelColor(x, y, source.PixelColor(left + x, top + y));
        }
    }
    return part;
}

TEST(ScreenCaptureWinTest, CopiesAKnownWindowPixelForPixel) {
    const Bitmap24 pattern = MakePattern(64, 48);
    PictureWindow window(pattern, 100, 80);
    ASSERT_TRUE(window.WaitUntilOnScreen());

    Bitmap24 grab;
    CaptureScreenRect(LensRect{100, 80, 164, 128}, grab);
    EXPECT_TRUE(grab == pattern);

    // An odd width (row padding) and an inner rectangle.
    CaptureScreenRect(LensRect{103, 85, 130, 96}, grab);
    EXPECT_TRUE(grab == Crop(pattern, 3, 5, 27, 11));
}

TEST(ScreenCaptureWinTest, RectanglesPartlyOffTheScreenKeepTheirFullSize) {
    const Bitmap24 pattern = MakePattern(64, 48);
    PictureWindow window(pattern, 0, 200);
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    PictureWindow right(pattern, screenWidth - 64, 300);
    // A whole capture of the same size first (the wait's last one): the next one reuses its
    // canvas, and what lies off the screen must still come out black, not as the last
    // capture's pixels.
    ASSERT_TRUE(right.WaitUntilOnScreen());
    ASSERT_TRUE(window.WaitUntilOnScreen());
    Bitmap24 grab;
    CaptureScreenRect(LensRect{-32, 200, 32, 248}, grab);
    ASSERT_EQ(grab.Width(), 64);
    ASSERT_EQ(grab.Height(), 48);
    EXPECT_TRUE(Crop(grab, 32, 0, 32, 48) == Crop(pattern, 0, 0, 32, 48));
    EXPECT_EQ(grab.PixelColor(0, 0), 0u);  // off the screen: black
    EXPECT_EQ(grab.PixelColor(31, 47), 0u);

    CaptureScreenRect(LensRect{screenWidth - 20, 300, screenWidth + 30, 330}, grab);
    ASSERT_EQ(grab.Width(), 50);
    ASSERT_EQ(grab.Height(), 30);
    EXPECT_TRUE(Crop(grab, 0, 0, 20, 30) == Crop(pattern, 44, 0, 20, 30));
}

TEST(ScreenCaptureWinTest, EmptyRectangleGivesAnEmptyBitmap) {
    Bitmap24 grab(5, 5);
    CaptureScreen(true, LensRect{10, 10, 10, 40}, grab);
    EXPECT_TRUE(grab.Empty());
}

TEST(ScreenCaptureWinTest, PointerHotSpotLandsOnThePointerPixel) {
    HCURSOR cursor = MakeBlockCursor(0, 0);
    ASSERT_NE(cursor, nullptr);
    MemoryCanvas canvas(64, 64, kGrey);
    // Pointer at screen (50, 40), canvas origin at screen (20, 10): hot spot on (30, 30).
    ASSERT_TRUE(DrawPointerImage(canvas.Dc(), cursor, POINT{50, 40}, POINT{20, 10}));
    for (POINT p : {POINT{30, 30}, POINT{31, 30}, POINT{30, 31}, POINT{31, 31}}) {
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    }
    for (POINT p : {POINT{29, 30}, POINT{30, 29}, POINT{32, 31}, POINT{31, 32}, POINT{27, 25}}) {
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kGrey) << p.x << "," << p.y;
    }
    DestroyCursor(cursor);
}

TEST(ScreenCaptureWinTest, CaptureDrawsTheCurrentPointerWhenAsked) {
    HCURSOR cursor = MakeBlockCursor(0, 0);
    const Bitmap24 pattern = MakePattern(120, 100);
    PictureWindow window(pattern, 300, 200, cursor);
    SetCursorPos(360, 250);
    ASSERT_TRUE(window.WaitUntilOnScreen());
    ASSERT_TRUE(test::WaitFor([&] { return test::ShownPointer() == cursor; }));

    CURSORINFO info{};
    ASSERT_TRUE(GetCursorInfoDynamic(info));
    EXPECT_EQ(info.cbSize, sizeof(CURSORINFO));
    ASSERT_EQ(info.hCursor, cursor);
    EXPECT_EQ(info.ptScreenPos.x, 360);
    EXPECT_EQ(info.ptScreenPos.y, 250);

    const LensRect rect{340, 230, 380, 270};
    Bitmap24 plain;
    Bitmap24 withPointer;
    CaptureScreen(false, rect, plain);
    CaptureScreen(true, rect, withPointer);
    EXPECT_TRUE(plain == Crop(pattern, 40, 30, 40, 40));
    // The pointer's pixel is (20, 20) of the grab; only the 2 x 2 block differs.
    Bitmap24 expected = plain;
    for (POINT p : {POINT{20, 20}, POINT{21, 20}, POINT{20, 21}, POINT{21, 21}}) {
        expected.SetPixelColor(p.x, p.y, kWhite);
    }
    EXPECT_TRUE(withPointer == expected);
    DestroyCursor(cursor);
}

TEST(LensSystemWinTest, ReportsTheScreenThePointerAndTheVersion) {
    LensSystemWin system;
    // One monitor here: the virtual screen is the primary one, whose size the display gives.
    HDC display = GetDC(nullptr);
    const LensRect primary{0, 0, GetDeviceCaps(display, HORZRES), GetDeviceCaps(display, VERTRES)};
    ReleaseDC(nullptr, display);
    EXPECT_EQ(system.VirtualScreen(), primary);
    EXPECT_GT(primary.Width(), 0);

    SetCursorPos(123, 45);
    LensPoint pointer;
    ASSERT_TRUE(system.PointerPos(pointer));
    EXPECT_EQ(pointer, (LensPoint{123, 45}));

    OSVERSIONINFOW info{};
    ASSERT_TRUE(GetOSVersion(info));
    EXPECT_EQ(info.dwOSVersionInfoSize, sizeof(OSVERSIONINFOW));
    EXPECT_GE(info.dwMajorVersion, 6u);  // Wine's default answer is Windows 7 or later
    EXPECT_TRUE(system.IsWin2000OrLater());

    const uint32_t before = system.TickCount();
    Sleep(100);
    EXPECT_GE(system.TickCount() - before, 50u);  // coarse: a real millisecond clock
}

}  // namespace
}  // namespace lenzor
