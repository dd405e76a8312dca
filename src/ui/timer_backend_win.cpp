#include "ui/timer_backend_win.h"

#include "win/simple_timer_win.h"

namespace lenzor {
namespace {

class TimerPeerWin : public TimerPeer {
public:
    explicit TimerPeerWin(TTimer& timer)
        : timer_(timer), system_(timer.Interval(), [this](TSimpleTimer&) {
              timer_.Trigger();  // may destroy the timer and this peer: nothing after it
          }) {}

    void Update() override {
        system_.Stop(true);
        if (timer_.Enabled() && timer_.Interval() != 0) {
            system_.SetIntervalMs(timer_.Interval());
            system_.SetRunning(true);
        }
    }

private:
    TTimer& timer_;
    TSimpleTimer system_;
};

}  // namespace

std::unique_ptr<TimerPeer> TimerBackendWin::CreatePeer(TTimer& timer) {
    return std::make_unique<TimerPeerWin>(timer);
}

TimerBackendWin& WindowTimers() {
    static TimerBackendWin backend;
    return backend;
}

}  // namespace lenzor
