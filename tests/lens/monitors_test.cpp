// The lens on two monitors of different sizes: the smaller one left of and above the primary, so
// that their bounding rectangle holds two parts no monitor shows (above the primary, below the
// secondary).
#include "lens_fakes.h"

#include <gtest/gtest.h>

namespace lenzor::testing {
namespace {

constexpr LensRect kPrimary{0, 0, 1920, 1080};
constexpr LensRect kSecondary{-1280, -244, 0, 780};
constexpr int kSide = 250;

bool OnOneMonitor(const LensRect& r) {
    for (const LensRect& m : {kPrimary, kSecondary}) {
        if (m.left <= r.left && r.right <= m.right && m.top <= r.top && r.bottom <= m.bottom) {
            return true;
        }
    }
    return false;
}

class MonitorsTest : public ::testing::Test {
protected:
    MonitorsTest() { rig.system.UseMonitors({kPrimary, kSecondary}); }
    void PlaceFrom(int mode, LensPoint home, LensPoint pointer) {
        lens.SetPositionMode(mode);
        lens.SetLeftFixed(home.x);
        lens.SetTopFixed(home.y);
        window.bounds = {home.x, home.y, home.x + kSide, home.y + kSide};
        lens.PlaceLens(pointer);
    }
    LensPoint TopLeft() const { return {window.bounds.left, window.bounds.top}; }

    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeWindow& window = *rig.window;
};

TEST_F(MonitorsTest, EveryModeNearTheSeamAndTheOuterEdges) {
    struct Case {
        int mode;
        LensPoint home, pointer, want;
        MarkerCorner marker;
        const char* what;
    };
    constexpr int kTrack = pmCornerTracker, kElude = pmFixedElusive;
    constexpr auto kNone = MarkerCorner::mkNone, kTopLeft = MarkerCorner::mkTopLeft,
                   kBottomRight = MarkerCorner::mkBottomRight;
    const Case cases[] = {
        {pmUnderCursor, {}, {-1280, -244}, {-1405, -369}, kNone, "centred, off every monitor"},
        {kTrack, {}, {-10, 100}, {-265, -155}, kBottomRight, "left of the seam: not across"},
        {kTrack, {}, {10, 500}, {15, 505}, kTopLeft, "right of the seam"},
        {kTrack, {}, {-1275, -240}, {-1270, -235}, kTopLeft, "outer top-left"},
        {kTrack, {}, {1915, 1075}, {1660, 820}, kBottomRight, "outer bottom-right"},
        {kTrack, {}, {1900, 100}, {1670, 105}, kNone, "outer right, below the empty part"},
        {kTrack, {}, {-1270, 770}, {-1265, 530}, kNone, "outer left, above the empty part"},
        {kTrack, {}, {5, 1075}, {10, 830}, kNone, "primary's bottom-left, beside the empty"},
        {kElude, {-250, -244}, {-200, -200}, {-250, 6}, kNone, "secondary's top-right: down"},
        {kElude, {0, 400}, {10, 450}, {250, 400}, kNone, "right of the seam"},
        {kElude, {1670, 830}, {1700, 900}, {1420, 830}, kNone, "outer bottom-right"},
        {kElude, {-250, 530}, {-100, 600}, {-500, 530}, kNone, "left of the seam, low"},
        {pmFixed, {-1000, -100}, {500, 500}, {-1000, -100}, kNone, "on the secondary"},
        {pmFixed, {5000, 5000}, {}, {1900, 1060}, kNone, "beyond the outer bottom-right"},
    };
    for (const Case& c : cases) {
        PlaceFrom(c.mode, c.home, c.pointer);
        EXPECT_EQ(TopLeft(), c.want) << c.what;
        EXPECT_EQ(window.marker, c.marker) << c.what;
    }
}

// Wherever the pointer is, a lens that moves by itself lands wholly on one monitor.
TEST_F(MonitorsTest, SelfMovingLensesNeverLandWhereNoMonitorShows) {
    for (const LensRect& m : {kPrimary, kSecondary}) {
        for (int y = m.top; y < m.bottom; y += 41) {
            for (int x = m.left; x < m.right; x += 43) {
                PlaceFrom(pmCornerTracker, {0, 0}, {x, y});
                EXPECT_TRUE(OnOneMonitor(window.bounds)) << "tracker, pointer " << x << "," << y;
                if (x + kSide <= m.right && y + kSide <= m.bottom) {
                    PlaceFrom(pmFixedElusive, {x, y}, {x + 1, y + 1});
                    EXPECT_TRUE(OnOneMonitor(window.bounds)) << "elusive from " << x << "," << y;
                }
            }
        }
    }
}

// A fixed lens on the secondary grabs around the pointer wherever it lies; the picture shows each
// screen pixel as a 2 x 2 block, black where no monitor shows.
TEST_F(MonitorsTest, GrabAcrossTheSeamAndTheEmptyPartsIsBlackWhereNoMonitorShows) {
    struct Case {
        LensPoint pointer;
        LensRect grab;
        std::vector<LensPoint> shown, black;  // screen pixels inside the grab
    };
    const Case cases[] = {
        {{0, 300}, {-60, 240, 61, 361}, {{-60, 240}, {-1, 310}, {0, 310}, {60, 360}}, {}},
        {{-100, 770}, {-160, 710, -39, 831}, {{-160, 710}, {-40, 779}}, {{-160, 780}, {-40, 830}}},
        {{5, 20},
         {-55, -40, 66, 81},
         {{-55, -40}, {-1, 80}, {0, 0}, {65, 80}},
         {{0, -1}, {65, -40}}},
    };
    lens.SetPositionMode(pmFixed);  // on the secondary, wherever the pointer goes
    lens.SetLeftFixed(-1000);
    lens.SetTopFixed(-100);
    lens.SetShown(true);
    for (const Case& c : cases) {
        rig.system.pointer = c.pointer;
        lens.UpdateLens(false);
        ASSERT_EQ(window.bounds, (LensRect{-1000, -100, -750, 150}));
        ASSERT_EQ(rig.system.captures.back(), c.grab);
        const Bitmap24& picture = window.presented.back();
        auto at = [&](LensPoint p) {
            return picture.PixelColor(2 * (p.x - c.grab.left), 2 * (p.y - c.grab.top));
        };
        for (LensPoint p : c.shown) {
            EXPECT_EQ(at(p), ScreenColor(p.x, p.y)) << p.x << "," << p.y;
        }
        for (LensPoint p : c.black) {
            EXPECT_EQ(at(p), 0u) << p.x << "," << p.y;
        }
    }
}

}  // namespace
}  // namespace lenzor::testing
