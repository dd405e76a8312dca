// The component timers' back-end in the program: each TTimer runs on a window-less timer, so its
// ticks arrive as WM_TIMER on the GUI thread. A timer's system timer dies with the timer, so the
// timers of a destroyed owner stop.
#pragma once

#include "ui/timer.h"

namespace lenzor {

class TimerBackendWin : public TimerBackend {
public:
    std::unique_ptr<TimerPeer> CreatePeer(TTimer& timer) override;
};

// The process's back-end, for TTimer::SetBackend at start.
TimerBackendWin& WindowTimers();

}  // namespace lenzor
