// TTimer: a component that fires OnTimer every Interval milliseconds while enabled. The ticks
// come from a process-wide back-end (window-message timers on the GUI thread in the program);
// without one a timer only keeps its state, and tests fire it with Trigger.
#pragma once

#include "ui/component.h"

#include <cstdint>
#include <memory>

namespace lenzor {

class TTimer;

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    // Runs the system timer exactly while enabled with a non-zero interval and restarts it.
    virtual void Update() = 0;
};

class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual std::unique_ptr<TimerPeer> CreatePeer(TTimer& timer) = 0;
};

class TTimer : public TComponent {
public:
    // Enabled with 1000 ms, like a timer put on a form; owners of design-time-disabled timers
    // switch them off right after creation.
    explicit TTimer(TComponent* owner, std::string name = {});
    // Stops the system timer before anything else goes.
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return FInterval; }
    void SetInterval(std::uint32_t milliseconds);

    // One tick: OnTimer when enabled.
    void Trigger();

    TNotifyEvent OnTimer;

    // The back-end new timers use (none: state only). It must outlive the timers.
    static void SetBackend(TimerBackend* backend);

private:
    void Update();

    bool FEnabled = true;
    std::uint32_t FInterval = 1000;
    std::unique_ptr<TimerPeer> FPeer;
};

}  // namespace lenzor
