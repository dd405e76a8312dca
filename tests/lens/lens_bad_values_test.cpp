// Every value a hand-edited settings file can hand the lens, set in the order the settings are
// applied and run through whole ticks on a desktop that does not start at the origin: the lens
// keeps a sane size and place, grabs and paints at most a screenful, and no failure escapes.
#include "lens_fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace lenzor::testing {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The fifteen lens settings as the settings file carries them; the two modes reach the lens as
// one byte each.
struct LensSettings {
    double zoom = 2;
    int alpha = 160;
    uint8_t contrastMode = 0;
    uint8_t positionMode = 0;
    int cornerTrackOffset = 10;
    int width = 250;
    int height = 250;
    uint32_t interval = 100;
    int leftFixed = 0;
    int topFixed = 0;
    int brightness = 0;
    int contrast = 0;
    int saturation = 0;
    bool mouseThrough = true;
    int breakage = 0;
};

void Apply(TLenzor& lens, const LensSettings& s) {
    lens.SetZoomFactor(s.zoom);
    lens.SetAlpha(s.alpha);
    lens.SetContrastMode(s.contrastMode);
    lens.SetPositionMode(s.positionMode);
    lens.SetCornerTrackOffset(s.cornerTrackOffset);
    lens.SetWidth(s.width);
    lens.SetHeight(s.height);
    lens.SetUpdateInterval(s.interval);
    lens.SetLeftFixed(s.leftFixed);
    lens.SetTopFixed(s.topFixed);
    lens.SetFixedBrightness(s.brightness);
    lens.SetFixedContrast(s.contrast);
    lens.SetFixedSaturation(s.saturation);
    lens.SetMouseThrough(s.mouseThrough);
    lens.SetBreakageTVLevel(s.breakage);
}

struct Case {
    const char* name;
    LensSettings settings;
    int width;  // the lens's outer size afterwards
    int height;
    bool paints;  // whether a redraw presents a picture
};

LensSettings With(void (*change)(LensSettings&)) {
    LensSettings s;
    change(s);
    return s;
}

// Desktop: two monitors side by side, the second left of the primary.
constexpr LensRect kDesktop{-1280, 0, 1920, 1080};

const Case kCases[] = {
    {"zero size", With([](LensSettings& s) { s.width = s.height = 0; }), 0, 0, false},
    {"negative size", With([](LensSettings& s) { s.width = -5, s.height = kMin; }), 0, 0, false},
    {"larger than the screen", With([](LensSettings& s) { s.width = s.height = kMax; }), 32767,
     32767, true},
    {"one pixel picture", With([](LensSettings& s) { s.width = s.height = 9; }), 9, 9, true},
    {"offset at the limits, corner tracker",
     With([](LensSettings& s) { s.positionMode = 1, s.cornerTrackOffset = kMax; }), 250, 250, true},
    {"negative offset at the limit",
     With([](LensSettings& s) { s.positionMode = 1, s.cornerTrackOffset = kMin; }), 250, 250, true},
    {"fixed far right and down",
     With([](LensSettings& s) { s.positionMode = 3, s.leftFixed = s.topFixed = kMax; }), 250, 250,
     true},
    {"fixed far left and up",
     With([](LensSettings& s) { s.positionMode = 3, s.leftFixed = s.topFixed = kMin; }), 250, 250,
     true},
    {"elusive far left and up",
     With([](LensSettings& s) { s.positionMode = 2, s.leftFixed = s.topFixed = kMin; }), 250, 250,
     true},
    {"elusive at the limits, pointer on it",
     With([](LensSettings& s) { s.positionMode = 2, s.leftFixed = s.topFixed = kMax; }), 250, 250,
     true},
    {"interval 0", With([](LensSettings& s) { s.interval = 0; }), 250, 250, true},
    {"interval at its maximum",
     With([](LensSettings& s) { s.interval = std::numeric_limits<uint32_t>::max(); }), 250, 250,
     false},
    {"modes above 3", With([](LensSettings& s) { s.contrastMode = 4, s.positionMode = 255; }), 250,
     250, true},
    {"gamma at the limits", With([](LensSettings& s) {
         s.contrastMode = 2, s.brightness = kMin, s.contrast = kMax, s.saturation = kMax;
     }),
     250, 250, true},
    {"gamma at the other limits", With([](LensSettings& s) {
         s.contrastMode = 2, s.brightness = kMax, s.contrast = kMin, s.saturation = kMin;
     }),
     250, 250, true},
    {"broken TV at the top level",
     With([](LensSettings& s) { s.contrastMode = 3, s.breakage = kMax; }), 250, 250, true},
    {"broken TV at the bottom level",
     With([](LensSettings& s) { s.contrastMode = 3, s.breakage = kMin; }), 250, 250, true},
    {"zoom not a number, alpha too high",
     With([](LensSettings& s) { s.zoom = std::nan(""), s.alpha = kMax; }), 250, 250, true},
    {"zoom infinite, alpha negative", With([](LensSettings& s) { s.zoom = kInf, s.alpha = -1; }),
     250, 250, true},
    {"zoom tiny", With([](LensSettings& s) { s.zoom = 1e-300; }), 250, 250, true},
    {"zoom huge", With([](LensSettings& s) { s.zoom = 1e300; }), 250, 250, true},
};

TEST(LensBadValuesTest, TheLensSurvivesEverySettingAHandEditedFileCanGive) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        LensRig rig;
        rig.system.screen = kDesktop;
        rig.Create();
        TLenzor& lens = *rig.lens;
        Apply(lens, c.settings);
        EXPECT_EQ(lens.Width(), c.width);
        EXPECT_EQ(lens.Height(), c.height);
        lens.SetShown(true);
        // Pointer at the desktop's corners and inside, redraws and moves in between.
        const LensPoint pointers[] = {{-1280, 0}, {1919, 1079}, {0, 540}, {1919, 0}, {-1280, 1079}};
        uint32_t tick = 1000;
        for (const LensPoint& p : pointers) {
            rig.system.pointer = p;
            for (int i = 0; i < 3; ++i, tick += 60) {
                rig.TickAt(tick);
                const LensRect b = rig.window->bounds;
                EXPECT_LE(std::abs(int64_t{b.left}), int64_t{1} << 24);
                EXPECT_LE(std::abs(int64_t{b.top}), int64_t{1} << 24);
            }
        }
        EXPECT_EQ(lens.TakeNewFailure(), std::nullopt);
        EXPECT_EQ(!rig.window->presented.empty(), c.paints);
        for (const Bitmap24& picture : rig.window->presented) {
            EXPECT_LE(picture.Width(), kDesktop.Width());
            EXPECT_LE(picture.Height(), kDesktop.Height());
        }
        for (const LensRect& grab : rig.system.captures) {
            EXPECT_GE(grab.Width(), 1);
            EXPECT_LE(grab.Width(), kDesktop.Width());
            EXPECT_LE(grab.Height(), kDesktop.Height());
        }
    }
}

// Where the extreme fixed coordinates put the lens: 20 pixels in from the right and bottom,
// and far off the screen (not wrapped round to the other side) for the smallest values.
TEST(LensBadValuesTest, FixedCoordinatesAtTheLimitsPlaceTheLensWithoutWrapping) {
    LensRig rig;
    rig.system.screen = kDesktop;
    rig.Create();
    TLenzor& lens = *rig.lens;
    lens.SetPositionMode(pmFixed);
    lens.SetShown(true);
    lens.SetLeftFixed(kMax);
    lens.SetTopFixed(kMax);
    lens.PlaceLens({0, 0});
    EXPECT_EQ(rig.window->bounds.left, 1900);
    EXPECT_EQ(rig.window->bounds.top, 1060);
    lens.SetLeftFixed(kMin);
    lens.SetTopFixed(-300);
    lens.PlaceLens({0, 0});
    EXPECT_EQ(rig.window->bounds.left, -(1 << 24));
    EXPECT_EQ(rig.window->bounds.top, -300);
}

}  // namespace
}  // namespace lenzor::testing
