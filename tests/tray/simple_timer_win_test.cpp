// Window-less timers on real system timers: period, suspend and resume, and the shared hidden
// window that lives from the first timer to the last.
#include "../ui/message_pump_win.h"
#include "tray/simple_timer_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace lenzor {
namespace {

using test_support::PumpMessagesFor;
using test_support::PumpMessagesUntil;

struct Counter {
    int ticks = 0;
    TSimpleTimer* lastSender = nullptr;
    TSimpleTimer::TNotifyEvent Handler() {
        return [this](TSimpleTimer& sender) {
            ++ticks;
            lastSender = &sender;
        };
    }
};

TEST(SimpleTimer, FiresAtItsPeriodUntilStopped) {
    Counter counter;
    TSimpleTimer timer(50, counter.Handler());
    EXPECT_FALSE(timer.Running());
    ASSERT_TRUE(timer.Start());
    EXPECT_TRUE(timer.Running());
    PumpMessagesFor(600);
    // Coarse bounds: about 12 ticks, never a burst, never silence.
    EXPECT_GE(counter.ticks, 4);
    EXPECT_LE(counter.ticks, 14);
    EXPECT_EQ(counter.lastSender, &timer);

    timer.SetRunning(false);
    int stoppedAt = counter.ticks;
    PumpMessagesFor(200);
    EXPECT_EQ(counter.ticks, stoppedAt);
    EXPECT_FALSE(timer.Running());
}

TEST(SimpleTimer, DefaultTimerTicksOncePerSecond) {
    Counter counter;
    TSimpleTimer timer;
    EXPECT_EQ(timer.IntervalMs(), 1000u);
    timer.SetOnElapsed(counter.Handler());
    timer.SetRunning(true);
    PumpMessagesFor(500);
    EXPECT_EQ(counter.ticks, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks == 1; }, 2500));
}

TEST(SimpleTimer, IntervalZeroSuspendsAndANewIntervalResumes) {
    Counter counter;
    TSimpleTimer timer(20, counter.Handler());
    timer.Start();
    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, 1000));

    timer.SetIntervalMs(0);
    EXPECT_TRUE(timer.Running());  // suspended, not stopped
    int suspendedAt = counter.ticks;
    PumpMessagesFor(250);
    EXPECT_EQ(counter.ticks, suspendedAt);
    EXPECT_FALSE(timer.Start());  // period 0 never starts

    timer.SetIntervalMs(50);
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks >= suspendedAt + 3; }, 1500));
}

TEST(SimpleTimer, PeriodZeroNeverRuns) {
    Counter counter;
    TSimpleTimer timer(0, counter.Handler());
    timer.SetRunning(true);
    EXPECT_FALSE(timer.Running());
}

TEST(SimpleTimer, RemovingTheHandlerSuspendsAndANewOneAloneDoesNotResume) {
    Counter counter;
    TSimpleTimer timer(20, counter.Handler());
    timer.Start();
    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, 1000));

    timer.SetOnElapsed(nullptr);
    EXPECT_TRUE(timer.Running());
    timer.SetOnElapsed(counter.Handler());
    int suspendedAt = counter.ticks;
    PumpMessagesFor(250);
    EXPECT_EQ(counter.ticks, suspendedAt);

    timer.SetRunning(true);
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks > suspendedAt; }, 1000));
}

// Wide margins: a restart at 400 ms moves the next tick from 600 ms to 1000 ms.
TEST(SimpleTimer, RestartingMovesThePeriodButTheSameIntervalDoesNot) {
    Counter restarted;
    Counter kept;
    TSimpleTimer a(600, restarted.Handler());
    TSimpleTimer b(600, kept.Handler());
    a.Start();
    b.Start();
    PumpMessagesFor(400);
    a.SetRunning(true);
    b.SetIntervalMs(600);
    PumpMessagesFor(400);
    EXPECT_EQ(restarted.ticks, 0);
    EXPECT_EQ(kept.ticks, 1);
}

TEST(SimpleTimer, TimersShareOneWindowThatGoesWithTheLast) {
    ASSERT_EQ(SimpleTimerWindow(), nullptr);
    auto first = std::make_unique<TSimpleTimer>();
    HWND shared = SimpleTimerWindow();
    ASSERT_NE(shared, nullptr);
    EXPECT_TRUE(IsWindow(shared));
    auto second = std::make_unique<TSimpleTimer>(10, nullptr);
    EXPECT_EQ(SimpleTimerWindow(), shared);

    first.reset();
    EXPECT_TRUE(IsWindow(shared));
    second.reset();
    EXPECT_FALSE(IsWindow(shared));
    EXPECT_EQ(SimpleTimerWindow(), nullptr);

    Counter counter;
    TSimpleTimer later(20, counter.Handler());
    EXPECT_NE(SimpleTimerWindow(), nullptr);
    later.Start();
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, 1000));
}

TEST(SimpleTimer, LateTickOfADestroyedTimerIsIgnored) {
    Counter alive;
    TSimpleTimer keeper(10000, alive.Handler());  // keeps the shared window
    int lateTicks = 0;
    auto doomed = std::make_unique<TSimpleTimer>(1, [&](TSimpleTimer&) { ++lateTicks; });
    doomed->Start();
    Sleep(50);  // its WM_TIMER is due but not yet delivered
    doomed.reset();
    // Identifiers that no live timer has are dropped as well.
    for (WPARAM id = 0; id < 64; ++id) {
        PostMessageW(SimpleTimerWindow(), WM_TIMER, id, 0);
    }
    PumpMessagesFor(100);
    EXPECT_EQ(lateTicks, 0);
}

TEST(SimpleTimer, HandlerMayDestroyTheLastTimer) {
    std::unique_ptr<TSimpleTimer> timer;
    int ticks = 0;
    timer = std::make_unique<TSimpleTimer>(10, [&](TSimpleTimer&) {
        ++ticks;
        timer.reset();
    });
    timer->Start();
    EXPECT_TRUE(PumpMessagesUntil([&] { return timer == nullptr; }, 1000));
    PumpMessagesFor(50);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(SimpleTimerWindow(), nullptr);
}

}  // namespace
}  // namespace lenzor
