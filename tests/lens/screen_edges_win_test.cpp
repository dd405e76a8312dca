// Capture of rectangles that leave the virtual screen: the part on it is the screen's, the rest
// black, whatever the canvas held before, and no rectangle makes the capture fail.
#include "lens/screen_capture_win.h"
#include "screen_test_helpers_win.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lenzor {
namespace {

TEST(ScreenEdgesWinTest, OutsideTheVirtualScreenIsBlack) {
    const LensRect screen = VirtualScreenRect();
    ASSERT_EQ(MonitorRects(), std::vector<LensRect>{screen}) << "one monitor here";
    const int w = screen.Width();
    const int h = screen.Height();
    const Bitmap24 pattern = test::MakePattern(w, h);  // no channel is 0
    test::PictureWindow window(pattern, screen.left, screen.top);
    Bitmap24 grab =
        test::WaitForScreen(screen, [&](const Bitmap24& shown) { return shown == pattern; });
    ASSERT_TRUE(grab == pattern) << "the pattern never reached the screen";

    const int l = screen.left, t = screen.top, r = screen.right, b = screen.bottom;
    const LensRect cases[] = {
        {l - 40, t - 30, l + 60, t + 50},    // left of and above
        {r - 50, t + 100, r + 70, t + 180},  // beyond the right edge
        {l + 200, b - 20, l + 300, b + 45},  // beyond the bottom edge
        {r + 10, b + 10, r + 90, b + 40},    // wholly outside, below right
        {l - 200, t - 100, l - 10, t - 5},   // wholly outside, above left
        {l - 7, t - 9, r + 13, b + 11},      // larger than the whole screen
        {l - 70000, t, l - 69000, t + 10},   // far off
    };
    for (const LensRect& rect : cases) {
        // A rectangle of the same size on the screen first, so the canvas holds its pixels.
        if (rect.Width() <= w && rect.Height() <= h) {
            CaptureScreenRect({l, t, l + rect.Width(), t + rect.Height()}, grab);
        }
        ASSERT_NO_THROW(CaptureScreenRect(rect, grab));
        ASSERT_EQ(grab.Width(), rect.Width());
        ASSERT_EQ(grab.Height(), rect.Height());
        Bitmap24 want(rect.Width(), rect.Height());
        want.Fill(0);
        for (int y = std::max(rect.top, t); y < std::min(rect.bottom, b); ++y) {
            for (int x = std::max(rect.left, l); x < std::min(rect.right, r); ++x) {
                want.SetPixelColor(x - rect.left, y - rect.top, pattern.PixelColor(x - l, y - t));
            }
        }
        EXPECT_TRUE(grab == want) << rect.left << "," << rect.top << " - " << rect.right << ","
                                  << rect.bottom;
    }
}

}  // namespace
}  // namespace lenzor
