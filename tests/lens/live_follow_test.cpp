// Live following on the fakes: what a tick and a display frame do for a moved or resting
// pointer, when the frame clock stops, and the gate that drops frames behind a pending one.
#include "lens/frame_gate.h"
#include "lens_fakes.h"

#include <gtest/gtest.h>

namespace lenzor::testing {
namespace {

struct TickCase {
    const char* name;
    bool liveFollow, shown, moved;
    uint32_t tick;  // of the second tick; the first, at 1000, redraws
    bool drawnByTick, movedByTick, clockRuns, drawnByFrame;
};

TEST(LiveFollowTest, WhatATickAndTheNextFrameDo) {
    const TickCase cases[] = {
        {"moved", true, true, true, 1050, false, false, true, true},
        {"rested", true, true, false, 1050, false, false, false, false},
        {"moved as the interval ends", true, true, true, 1100, true, true, false, false},
        {"moved, LiveFollow off", false, true, true, 1050, false, true, false, false},
        {"moved while hidden", true, false, true, 1050, false, false, false, false},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(c.name);
        LensRig rig;
        rig.lens->SetPositionMode(pmUnderCursor);
        rig.lens->SetLiveFollow(c.liveFollow);
        rig.lens->SetShown(true);
        rig.TickAt(1000);
        ASSERT_EQ(rig.window->presented.size(), 1u);
        rig.lens->SetShown(c.shown);
        const int moves = rig.window->moves;
        if (c.moved) {
            rig.system.pointer = {600, 300};
        }
        rig.TickAt(c.tick);
        EXPECT_EQ(rig.window->presented.size(), c.drawnByTick ? 2u : 1u);
        EXPECT_EQ(rig.window->moves > moves, c.movedByTick);
        EXPECT_EQ(rig.system.frameClock->Running(), c.clockRuns);
        rig.system.frameClock->Fire();
        EXPECT_EQ(rig.window->presented.size(), c.drawnByTick || c.drawnByFrame ? 2u : 1u);
        if (c.drawnByFrame) {
            EXPECT_EQ(rig.window->bounds.left, 600 - 125) << "placed and drawn together";
            EXPECT_EQ(rig.system.captures.back().left, 600 - 60);
        }
    }
}

TEST(LiveFollowTest, FramesFollowUntilTheRestThenTheIntervalCountsFromTheLastRedraw) {
    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeFrameClock*& clock = rig.system.frameClock;
    lens.SetLiveFollow(true);
    lens.SetShown(true);
    rig.TickAt(1000);
    rig.system.pointer = {600, 300};
    rig.TickAt(1010);
    rig.system.tick = 1016;
    clock->Fire();
    rig.system.pointer = {610, 300};
    rig.TickAt(1020);  // the running clock's next frame draws this move, not the tick
    EXPECT_EQ(rig.window->presented.size(), 2u);
    rig.system.tick = 1033;
    clock->Fire();
    EXPECT_EQ(rig.window->presented.size(), 3u);
    rig.system.tick = 1033 + TLenzor::kRestMs - 1;
    EXPECT_TRUE(clock->Fire()) << "a short pause keeps the clock";
    rig.system.tick = 1033 + TLenzor::kRestMs;
    EXPECT_FALSE(clock->Fire()) << "a rest stops it";
    EXPECT_EQ(rig.window->presented.size(), 3u);
    rig.TickAt(1132);
    EXPECT_EQ(rig.window->presented.size(), 3u);
    rig.TickAt(1133);
    EXPECT_EQ(rig.window->presented.size(), 4u);

    rig.system.pointer = {620, 300};
    rig.TickAt(1140);
    lens.SetShown(false);
    EXPECT_FALSE(clock->Fire()) << "hiding the lens stops it";
    lens.SetShown(true);
    lens.Tick();
    ASSERT_TRUE(clock->Running());
    lens.SetLiveFollow(false);
    EXPECT_FALSE(clock->Running());
    EXPECT_EQ(rig.window->presented.size(), 4u);
}

TEST(FrameGateTest, PassesOneFrameAtATimeAndDropsTheRest) {
    FrameGate gate;
    EXPECT_FALSE(gate.Offer()) << "closed";
    gate.Open();
    EXPECT_TRUE(gate.Offer());
    EXPECT_FALSE(gate.Offer()) << "the previous frame still waits";
    EXPECT_TRUE(gate.Take());
    EXPECT_FALSE(gate.Offer()) << "the previous frame is being drawn";
    gate.Done();
    EXPECT_TRUE(gate.Offer());
    gate.Withdraw();  // it could not be sent
    EXPECT_TRUE(gate.Offer());
    gate.Close();
    EXPECT_FALSE(gate.Take()) << "arrived after the gate closed";
    EXPECT_FALSE(gate.Take()) << "a frame the gate never let through";
    EXPECT_EQ(gate.Offered(), 5u);
    EXPECT_EQ(gate.Taken(), 1u);
    EXPECT_EQ(gate.Dropped(), 4u);
    gate.Open();
    EXPECT_TRUE(gate.Offer());
}

}  // namespace
}  // namespace lenzor::testing
