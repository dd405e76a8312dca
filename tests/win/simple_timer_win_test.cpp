// Window-less timers on real system timers: period, suspend and resume, and the shared hidden
// window that lives from the first timer to the last.
#include "../ui/message_pump_win.h"
#include "win/simple_timer_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace lenzor {
namespace {

using test_support::kEventTimeoutMs;
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

// Waits for the ticks rather than counting them in a time window, so a busy machine only makes
// it slower: four ticks of a 50 ms timer take at least about four periods, never a burst.
TEST(SimpleTimer, FiresAtItsPeriodUntilStopped) {
    Counter counter;
    TSimpleTimer timer(50, counter.Handler());
    EXPECT_FALSE(timer.Running());
    const DWORD started = GetTickCount();
    ASSERT_TRUE(timer.Start());
    EXPECT_TRUE(timer.Running());
    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks >= 4; }, kEventTimeoutMs));
    EXPECT_GE(GetTickCount() - started, 4 * 50 - 20u);  // the tick count's own granularity
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
    const DWORD started = GetTickCount();
    timer.SetRunning(true);
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks == 1; }, kEventTimeoutMs));
    EXPECT_GE(GetTickCount() - started, 1000 - 20u);
}

TEST(SimpleTimer, IntervalZeroSuspendsAndANewIntervalResumes) {
    Counter counter;
    TSimpleTimer timer(20, counter.Handler());
    timer.Start();
    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, kEventTimeoutMs));

    timer.SetIntervalMs(0);
    EXPECT_TRUE(timer.Running());  // suspended, not stopped
    int suspendedAt = counter.ticks;
    PumpMessagesFor(250);
    EXPECT_EQ(counter.ticks, suspendedAt);
    EXPECT_FALSE(timer.Start());  // period 0 never starts

    timer.SetIntervalMs(50);
    EXPECT_TRUE(
        PumpMessagesUntil([&] { return counter.ticks >= suspendedAt + 3; }, kEventTimeoutMs));
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
    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, kEventTimeoutMs));

    timer.SetOnElapsed(nullptr);
    EXPECT_TRUE(timer.Running());
    timer.SetOnElapsed(counter.Handler());
    int suspendedAt = counter.ticks;
    PumpMessagesFor(250);
    EXPECT_EQ(counter.ticks, suspendedAt);

    timer.SetRunning(true);
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks > suspendedAt; }, kEventTimeoutMs));
}

// A restart some time in moves the first tick to a full period after it; setting the same
// interval again does not, so the timer left alone ticks first. No message is handled before
// the restart, so however late it comes, neither timer has ticked yet: told by order and by a
// lower bound on time, which a busy machine cannot break.
TEST(SimpleTimer, RestartingMovesThePeriodButTheSameIntervalDoesNot) {
    std::vector<char> order;
    DWORD restartedTick = 0;
    TSimpleTimer a(600, [&](TSimpleTimer&) {
        order.push_back('a');
        restartedTick = GetTickCount();
    });
    TSimpleTimer b(600, [&](TSimpleTimer&) { order.push_back('b'); });
    a.Start();
    b.Start();
    Sleep(100);  // b's period runs on, and no message is handled, so no tick comes yet
    const DWORD restart = GetTickCount();
    a.SetRunning(true);
    b.SetIntervalMs(600);
    ASSERT_TRUE(PumpMessagesUntil([&] { return order.size() >= 2; }, kEventTimeoutMs));
    EXPECT_EQ(order[0], 'b');
    EXPECT_EQ(order[1], 'a');
    EXPECT_GE(restartedTick - restart, 600 - 20u);
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
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks > 0; }, kEventTimeoutMs));
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

// The shared window outlives the call of the handler that freed the last timer: it is not
// destroyed inside its own window procedure.
TEST(SimpleTimer, HandlerMayDestroyTheLastTimer) {
    std::unique_ptr<TSimpleTimer> timer;
    int ticks = 0;
    bool windowDuringHandler = false;
    timer = std::make_unique<TSimpleTimer>(10, [&](TSimpleTimer&) {
        ++ticks;
        HWND window = SimpleTimerWindow();
        timer.reset();
        windowDuringHandler = IsWindow(window) != FALSE;
    });
    HWND window = SimpleTimerWindow();
    timer->Start();
    EXPECT_TRUE(PumpMessagesUntil([&] { return timer == nullptr; }, kEventTimeoutMs));
    PumpMessagesFor(50);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(windowDuringHandler);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SimpleTimerWindow(), nullptr);
}

TEST(SimpleTimer, AStrayCloseLeavesTheSharedWindowAndItsTimersRunning) {
    Counter counter;
    TSimpleTimer timer(20, counter.Handler());
    timer.Start();
    HWND shared = SimpleTimerWindow();
    PostMessageW(shared, WM_CLOSE, 0, 0);
    test_support::PumpQueuedMessages();
    EXPECT_TRUE(IsWindow(shared));
    EXPECT_EQ(SimpleTimerWindow(), shared);
    const int before = counter.ticks;
    EXPECT_TRUE(PumpMessagesUntil([&] { return counter.ticks >= before + 3; }, kEventTimeoutMs));
}

}  // namespace
}  // namespace lenzor
