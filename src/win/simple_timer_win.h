// A periodic timer that is a plain object: every timer of the process shares one hidden window,
// made with the first timer and destroyed with the last, which receives the system's WM_TIMER.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace lenzor {

class TSimpleTimer {
public:
    using TNotifyEvent = std::function<void(TSimpleTimer& sender)>;

    // Stopped, period 1000 ms, no handler.
    TSimpleTimer();
    // Stopped, with the given period and handler.
    TSimpleTimer(std::uint32_t intervalMs, TNotifyEvent onElapsed);
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;
    ~TSimpleTimer();

    // True while running and while suspended (period 0 or no handler).
    bool Running() const { return FRunning; }
    void SetRunning(bool running);

    std::uint32_t IntervalMs() const { return FIntervalMs; }
    // While running: a new non-zero period restarts the timer with it, 0 suspends it.
    void SetIntervalMs(std::uint32_t intervalMs);

    const TNotifyEvent& OnElapsed() const { return FOnElapsed; }
    // Removing the handler while running suspends the timer; a new handler alone does not resume.
    void SetOnElapsed(TNotifyEvent onElapsed);

    // Sets the system timer (restarting the period when running); false with period 0 or when
    // the system refuses.
    bool Start();
    // Kills the system timer; clearRunning false leaves the timer suspended rather than stopped.
    void Stop(bool clearRunning);

private:
    UINT_PTR FTimerId;
    bool FRunning = false;
    std::uint32_t FIntervalMs;
    TNotifyEvent FOnElapsed;
};

// The shared hidden window, or nullptr while no timer exists.
HWND SimpleTimerWindow();

}  // namespace lenzor
