// The icon's input logic: which events the shell's callbacks produce, and in which order.
#include "tray/tray_click.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using A = TrayAction;
using Steps = std::vector<TrayStep>;
namespace code = tray_code;

struct TrayClickTest : ::testing::Test {
    TrayClickLogic logic;
    TrayInputSettings settings;
    Steps Send(unsigned c, TrayPoint at = {}) { return logic.Callback(c, settings, at); }
};

TEST_F(TrayClickTest, WithoutDblClickHandlerClickComesAtReleaseBeforeMouseUp) {
    EXPECT_EQ(Send(code::LeftDown), (Steps{{A::MouseDown, mbLeft}}));
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::Click}, {A::MouseUp, mbLeft}}));
    EXPECT_FALSE(logic.ClickDelayRunning());
}

TEST_F(TrayClickTest, WithoutDblClickHandlerADoubleClickStillClicksFirstThenRunsDefaultItem) {
    Send(code::LeftDown);
    Send(code::LeftUp);
    EXPECT_EQ(Send(code::LeftDblClk), (Steps{{A::DblClick}, {A::ClickDefaultItem}}));
    // The second release saw no press, so it is no click.
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::MouseUp, mbLeft}}));
}

TEST_F(TrayClickTest, WithDblClickHandlerSingleClickWaitsForTheDelay) {
    settings.hasDblClickHandler = true;
    EXPECT_EQ(Send(code::LeftDown), (Steps{{A::StartClickDelay}, {A::MouseDown, mbLeft}}));
    EXPECT_TRUE(logic.ClickDelayRunning());
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::MouseUp, mbLeft}}));
    EXPECT_EQ(logic.ClickDelayElapsed(), (Steps{{A::StopClickDelay}, {A::Click}}));
    EXPECT_FALSE(logic.ClickDelayRunning());
    // Nothing left pending.
    EXPECT_EQ(logic.ClickDelayElapsed(), (Steps{{A::StopClickDelay}}));
}

TEST_F(TrayClickTest, WithDblClickHandlerDoubleClickDropsThePendingClick) {
    settings.hasDblClickHandler = true;
    Send(code::LeftDown);
    Send(code::LeftUp);
    EXPECT_EQ(Send(code::LeftDblClk), (Steps{{A::DblClick}, {A::ClickDefaultItem}}));
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::MouseUp, mbLeft}}));
    EXPECT_EQ(logic.ClickDelayElapsed(), (Steps{{A::StopClickDelay}}));

    // The next single click works normally again.
    Send(code::LeftDown);
    Send(code::LeftUp);
    EXPECT_EQ(logic.ClickDelayElapsed(), (Steps{{A::StopClickDelay}, {A::Click}}));
}

TEST_F(TrayClickTest, PressHeldLongerThanTheDelayClicksAtRelease) {
    settings.hasDblClickHandler = true;
    Send(code::LeftDown);
    EXPECT_EQ(logic.ClickDelayElapsed(), (Steps{{A::StopClickDelay}}));
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::Click}, {A::MouseUp, mbLeft}}));
}

TEST_F(TrayClickTest, ReleaseWithoutPressIsOnlyMouseUp) {
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::MouseUp, mbLeft}}));
}

TEST_F(TrayClickTest, LeftPopupOpensMenuOnPressAndSkipsTheDefaultItem) {
    settings.leftPopup = true;
    EXPECT_EQ(Send(code::LeftDown), (Steps{{A::MouseDown, mbLeft}, {A::ShowPopup}}));
    Send(code::LeftUp);
    EXPECT_EQ(Send(code::LeftDblClk), (Steps{{A::DblClick}}));
}

TEST_F(TrayClickTest, RightAndMiddleButtons) {
    EXPECT_EQ(Send(code::RightDown), (Steps{{A::MouseDown, mbRight}, {A::ShowPopup}}));
    EXPECT_EQ(Send(code::RightUp), (Steps{{A::MouseUp, mbRight}}));
    EXPECT_EQ(Send(code::MiddleDown), (Steps{{A::MouseDown, mbMiddle}}));
    EXPECT_EQ(Send(code::MiddleUp), (Steps{{A::MouseUp, mbMiddle}}));
    EXPECT_EQ(Send(0x206), Steps{});  // right double-click: ignored
    EXPECT_EQ(Send(0x209), Steps{});  // middle double-click: ignored
}

TEST_F(TrayClickTest, DisabledIgnoresMouseButNotBalloons) {
    settings.enabled = false;
    settings.wantEnterExit = true;
    for (unsigned c : {code::MouseMove, code::LeftDown, code::LeftUp, code::LeftDblClk,
                       code::RightDown, code::RightUp, code::MiddleDown, code::MiddleUp}) {
        EXPECT_EQ(Send(c), Steps{}) << c;
    }
    EXPECT_EQ(Send(code::BalloonShow), (Steps{{A::BalloonShow}}));
    EXPECT_EQ(Send(code::BalloonHide), (Steps{{A::BalloonHide}}));
    EXPECT_EQ(Send(code::BalloonTimeout), (Steps{{A::BalloonTimeout}}));
    EXPECT_EQ(Send(code::BalloonUserClick), (Steps{{A::BalloonClick}}));
    // A press while disabled leaves no half-finished click behind.
    settings.enabled = true;
    EXPECT_EQ(Send(code::LeftUp), (Steps{{A::MouseUp, mbLeft}}));
}

TEST_F(TrayClickTest, EnterOnceThenExitWhenThePointerIsElsewhere) {
    settings.wantEnterExit = true;
    EXPECT_EQ(Send(code::MouseMove, {10, 20}), (Steps{{A::MouseEnter}, {A::MouseMove}}));
    EXPECT_EQ(Send(code::MouseMove, {11, 20}), (Steps{{A::MouseMove}}));
    EXPECT_EQ(logic.ExitPoll({11, 20}), Steps{});  // still where the shell last saw it
    EXPECT_EQ(logic.ExitPoll({11, 21}), (Steps{{A::MouseExit}}));
    EXPECT_EQ(logic.ExitPoll({50, 50}), Steps{});  // exit reported once
    EXPECT_EQ(Send(code::MouseMove, {12, 20}), (Steps{{A::MouseEnter}, {A::MouseMove}}));
}

TEST_F(TrayClickTest, MovementWithoutEnterExitRaisesOnlyMouseMove) {
    EXPECT_EQ(Send(code::MouseMove, {1, 1}), (Steps{{A::MouseMove}}));
    EXPECT_EQ(logic.ExitPoll({5, 5}), Steps{});
    settings.wantEnterExit = true;
    EXPECT_EQ(Send(code::MouseMove, {1, 1}), (Steps{{A::MouseEnter}, {A::MouseMove}}));
}

}  // namespace
}  // namespace lenzor
