// Placement of the lens window by position mode, on a 1024 x 768 desktop with a 250 x 250 lens.
#include "lens_fakes.h"

#include <gtest/gtest.h>

namespace lenzor::testing {
namespace {

LensPoint TopLeft(const FakeWindow& w) {
    return {w.bounds.left, w.bounds.top};
}

class PlacementTest : public ::testing::Test {
protected:
    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeWindow& window = *rig.window;
};

TEST_F(PlacementTest, UnderCursorCentresTheLensWithoutKeepingItOnTheDesktop) {
    lens.SetPositionMode(pmUnderCursor);
    lens.SetWidth(251);
    lens.PlaceLens({10, 700});
    EXPECT_EQ(TopLeft(window), (LensPoint{10 - 125, 700 - 125}));
    EXPECT_EQ(lens.LastPointer(), (LensPoint{10, 700}));
    EXPECT_EQ(window.marker, MarkerCorner::mkNone);
}

TEST_F(PlacementTest, CornerTrackerTriesBelowRightAboveLeftThenTheEdges) {
    lens.SetCornerTrackOffset(5);
    lens.PlaceLens({100, 100});
    EXPECT_EQ(TopLeft(window), (LensPoint{105, 105}));
    EXPECT_EQ(window.marker, MarkerCorner::mkTopLeft);
    lens.PlaceLens({900, 700});  // no room below right
    EXPECT_EQ(TopLeft(window), (LensPoint{645, 445}));
    EXPECT_EQ(window.marker, MarkerCorner::mkBottomRight);
    lens.PlaceLens({100, 700});  // not below, not left: rests on the bottom edge
    EXPECT_EQ(TopLeft(window), (LensPoint{105, 518}));
    EXPECT_EQ(window.marker, MarkerCorner::mkNone);
    lens.PlaceLens({900, 100});  // not right, not above: rests on the right edge
    EXPECT_EQ(TopLeft(window), (LensPoint{774, 105}));
    lens.PlaceLens({100, 100});  // back below right as soon as there is room
    EXPECT_EQ(TopLeft(window), (LensPoint{105, 105}));
    EXPECT_EQ(window.marker, MarkerCorner::mkTopLeft);

    lens.SetHeight(500);  // taller than half the desktop: no room above left either
    lens.PlaceLens({300, 400});
    EXPECT_EQ(TopLeft(window), (LensPoint{305, 268}));
    EXPECT_EQ(window.marker, MarkerCorner::mkNone);

    lens.SetWidth(2000);  // larger than the desktop: no candidate fits, the lens stays
    lens.PlaceLens({10, 10});
    EXPECT_EQ(TopLeft(window), (LensPoint{305, 268}));
}

TEST_F(PlacementTest, CornerTrackerUsesTheWholeVirtualScreen) {
    rig.system.screen = {-1280, -200, 1024, 768};  // a second monitor left of and above
    lens.PlaceLens({900, 700});
    EXPECT_EQ(TopLeft(window), (LensPoint{645, 445}));
    lens.PlaceLens({-1270, -190});
    EXPECT_EQ(TopLeft(window), (LensPoint{-1265, -185}));
}

TEST_F(PlacementTest, FixedElusiveJumpsAsideAndComesHomeWhenThePointerLeaves) {
    lens.SetPositionMode(pmFixedElusive);
    window.bounds = {0, 0, 250, 250};
    lens.PlaceLens({10, 10});
    EXPECT_EQ(lens.VacatedRect(), (LensRect{0, 0, 250, 250}));
    EXPECT_EQ(TopLeft(window), (LensPoint{250, 0}));
    lens.PlaceLens({100, 100});  // where the lens was: it stays away
    EXPECT_EQ(TopLeft(window), (LensPoint{250, 0}));
    lens.PlaceLens({300, 100});  // on the lens again: it jumps on
    EXPECT_EQ(lens.VacatedRect(), (LensRect{250, 0, 500, 250}));
    EXPECT_EQ(TopLeft(window), (LensPoint{500, 0}));
    lens.PlaceLens({600, 600});  // on neither: home
    EXPECT_EQ(TopLeft(window), (LensPoint{0, 0}));
}

TEST_F(PlacementTest, FixedElusiveJumpsRightDownLeftUpWhicheverStaysOnTheDesktop) {
    lens.SetPositionMode(pmFixedElusive);
    lens.SetLeftFixed(2000);  // home is off to the right: clamped 20 pixels from the edge
    auto jumpFrom = [&](int left, int top) {
        window.bounds = {left, top, left + 250, top + 250};
        lens.PlaceLens({left + 250, top + 250});  // edges count as inside
        return TopLeft(window);
    };
    EXPECT_EQ(jumpFrom(774, 0), (LensPoint{774, 250}));    // down
    EXPECT_EQ(jumpFrom(774, 518), (LensPoint{524, 518}));  // left
    rig.system.screen = {0, 0, 300, 768};
    EXPECT_EQ(jumpFrom(50, 518), (LensPoint{50, 268}));  // up
    rig.system.screen = {0, 0, 300, 300};
    EXPECT_EQ(jumpFrom(25, 25), (LensPoint{25, 25}));  // nowhere to go
    EXPECT_EQ(lens.VacatedRect(), (LensRect{25, 25, 275, 275}));
    lens.PlaceLens({290, 290});
    EXPECT_EQ(TopLeft(window), (LensPoint{280, 0}));
}

TEST_F(PlacementTest, FixedKeepsAStripOnTheScreenAndAllowsNegativeCoordinates) {
    lens.SetPositionMode(pmFixed);
    lens.SetLeftFixed(5000);
    lens.SetTopFixed(300);
    lens.PlaceLens({10, 10});
    EXPECT_EQ(TopLeft(window), (LensPoint{1004, 300}));
    lens.SetLeftFixed(-100);
    lens.SetTopFixed(-50);
    lens.PlaceLens({600, 600});
    EXPECT_EQ(TopLeft(window), (LensPoint{-100, -50}));
}

TEST_F(PlacementTest, HoldPositionAndUnknownModesNeverMoveTheLens) {
    lens.PlaceLens({100, 100});
    lens.SetPositionMode(7);
    lens.PlaceLens({600, 600});
    EXPECT_EQ(TopLeft(window), (LensPoint{105, 105}));
    EXPECT_EQ(window.marker, MarkerCorner::mkNone) << "no bracket outside the corner tracker";

    lens.SetPositionMode(pmUnderCursor);
    lens.SetHoldPosition(true);
    const int moves = window.moves;
    lens.PlaceLens({700, 300});
    EXPECT_EQ(window.moves, moves);
    EXPECT_EQ(lens.LastPointer(), (LensPoint{600, 600})) << "not even the pointer is recorded";
}

TEST_F(PlacementTest, ContainsPointIncludesAllFourEdges) {
    window.bounds = {100, 100, 350, 350};
    EXPECT_TRUE(lens.ContainsPoint({100, 100}));
    EXPECT_TRUE(lens.ContainsPoint({350, 350}));
    EXPECT_FALSE(lens.ContainsPoint({99, 200}));
    EXPECT_FALSE(lens.ContainsPoint({200, 351}));
}

}  // namespace
}  // namespace lenzor::testing
