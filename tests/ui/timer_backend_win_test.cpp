// Component timers on window-less timers: they tick while enabled, stop when disabled, and stop
// for good when their owner is destroyed, also from inside their own tick.
#include "message_pump_win.h"
#include "ui/timer_backend_win.h"
#include "ui/declare.h"

#include <gtest/gtest.h>

#include <memory>

namespace lenzor {
namespace {

using test_support::PumpMessagesFor;
using test_support::PumpMessagesUntil;

TEST(TimerBackendWin, TimersTickWhileEnabledAndStopWithTheirOwner) {
    TTimer::SetBackend(&WindowTimers());
    auto owner = std::make_unique<TComponent>(nullptr, "FrameLenzorOpt1");
    TTimer& preview = Declare<TTimer>(*owner, "TimerLZPreview2");
    preview.SetEnabled(false);  // disabled at design time
    preview.SetInterval(10);
    TTimer& erase = Declare<TTimer>(*owner, "TimerComboBoxErase1");
    erase.SetEnabled(false);
    erase.SetInterval(30);
    int previewTicks = 0;
    int eraseTicks = 0;
    preview.OnTimer = [&](TComponent&) { ++previewTicks; };
    erase.OnTimer = [&](TComponent& sender) {  // the one-shot pattern: it disables itself
        ++eraseTicks;
        static_cast<TTimer&>(sender).SetEnabled(false);
    };

    PumpMessagesFor(60);
    EXPECT_EQ(previewTicks, 0);
    preview.SetEnabled(true);
    erase.SetEnabled(true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return previewTicks >= 3 && eraseTicks >= 1; }, 5000));
    preview.SetEnabled(false);
    const int stopped = previewTicks;
    PumpMessagesFor(100);
    EXPECT_EQ(previewTicks, stopped);
    EXPECT_EQ(eraseTicks, 1);

    // A tick that destroys the owner ends every timer it owned.
    preview.OnTimer = [&](TComponent&) {
        ++previewTicks;
        owner.reset();
    };
    preview.SetEnabled(true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return owner == nullptr; }, 5000));
    const int last = previewTicks;
    PumpMessagesFor(100);
    EXPECT_EQ(previewTicks, last);
    TTimer::SetBackend(nullptr);
}

}  // namespace
}  // namespace lenzor
