// The Win32 frame clock: frames reach the thread that made it, none after Stop or after its
// end (not even one already posted), and a slow frame makes the next ones drop.
#include "lens/frame_clock_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace lenzor {
namespace {

void DispatchWaiting() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

// Dispatches messages until done() or a generous time-out; true when done.
template <class Done> bool PumpUntil(Done done) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 20'000; Sleep(1)) {
        DispatchWaiting();
        if (done()) {
            return true;
        }
    }
    return false;
}

TEST(FrameClockWinTest, FramesComeOnTheCallersThreadUntilStoppedAndDropBehindASlowOne) {
    const DWORD self = GetCurrentThreadId();
    int frames = 0;
    bool elsewhere = false;
    DWORD slowMs = 0;
    FrameClockWin clock([&] {
        ++frames;
        elsewhere = elsewhere || GetCurrentThreadId() != self;
        Sleep(slowMs);
    });
    clock.Start();
    ASSERT_TRUE(clock.Running());
    ASSERT_TRUE(PumpUntil([&] { return frames >= 3; }));
    EXPECT_FALSE(elsewhere);

    slowMs = 100;  // several refreshes of any display pass during one frame
    const uint64_t dropped = clock.Gate().Dropped();
    ASSERT_TRUE(PumpUntil([&] { return clock.Gate().Dropped() >= dropped + 2; }));
    EXPECT_EQ(clock.Gate().Taken(), static_cast<uint64_t>(frames));
    slowMs = 0;

    // Without dispatching until the worker has posted a frame, which the stop then holds back.
    const uint64_t offered = clock.Gate().Offered();
    for (const DWORD start = GetTickCount();
         clock.Gate().Offered() == offered && GetTickCount() - start < 20'000;) {
        Sleep(5);
    }
    clock.Stop();
    EXPECT_FALSE(clock.Running());
    const int stoppedAt = frames;
    Sleep(100);
    DispatchWaiting();
    EXPECT_EQ(frames, stoppedAt);
    clock.Start();
    EXPECT_TRUE(PumpUntil([&] { return frames > stoppedAt; })) << "it starts again";
}

TEST(FrameClockWinTest, NoCallAfterItsEndEvenForAFramePostedBefore) {
    int frames = 0;
    auto clock = std::make_unique<FrameClockWin>([&] { ++frames; });
    clock->Start();
    // Without dispatching: the frame waits in the queue.
    for (const DWORD start = GetTickCount();
         clock->Gate().Offered() == 0 && GetTickCount() - start < 20'000;) {
        Sleep(5);
    }
    ASSERT_GE(clock->Gate().Offered(), 1u);
    clock.reset();
    Sleep(100);
    DispatchWaiting();
    EXPECT_EQ(frames, 0);

    // Ended from its own call.
    clock = std::make_unique<FrameClockWin>([&] {
        ++frames;
        clock.reset();
    });
    clock->Start();
    ASSERT_TRUE(PumpUntil([&] { return !clock; }));
    Sleep(100);
    DispatchWaiting();
    EXPECT_EQ(frames, 1);
}

}  // namespace
}  // namespace lenzor
