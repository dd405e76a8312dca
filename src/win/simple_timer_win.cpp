#include "win/simple_timer_win.h"

#include "win/window_win.h"

#include <memory>
#include <unordered_map>

namespace lenzor {
namespace {

// Receives WM_TIMER for every timer and finds the timer by its identifier. The lookup (instead
// of turning the identifier back into an address) makes a late WM_TIMER of a destroyed timer
// harmless.
class TSimpleTimerHandler : public NativeWindow {
public:
    TSimpleTimerHandler() {
        CreateParams params{L"LenzorSimpleTimerWindow"};
        params.style = 0;
        params.parent = HWND_MESSAGE;  // timers need no broadcasts
        params.refuseClose = true;
        CreateNativeWindow(params);
    }

    UINT_PTR Add(TSimpleTimer* timer) {
        UINT_PTR id = FNextId++;
        FTimers[id] = timer;
        ++FUsers;
        return id;
    }

    // True when the last timer is gone.
    bool Remove(UINT_PTR id) {
        FTimers.erase(id);
        if (FUsers > 0) {
            --FUsers;
        }
        return FUsers == 0;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER) {
            return NativeWindow::HandleMessage(message, wParam, lParam);
        }
        auto found = FTimers.find(static_cast<UINT_PTR>(wParam));
        if (found != FTimers.end() && found->second->OnElapsed()) {
            // A copy: the handler may destroy its timer, so nothing here is touched after the
            // call (this window, should that be the last timer, goes once the call is over).
            TSimpleTimer::TNotifyEvent handler = found->second->OnElapsed();
            handler(*found->second);
        }
        return 0;
    }

private:
    std::unordered_map<UINT_PTR, TSimpleTimer*> FTimers;
    UINT_PTR FNextId = 1;
    std::int32_t FUsers = 0;
};

std::unique_ptr<TSimpleTimerHandler> TimerHandler;

UINT_PTR AcquireTimerHandler(TSimpleTimer* timer) {
    if (!TimerHandler) {
        TimerHandler = std::make_unique<TSimpleTimerHandler>();
    }
    return TimerHandler->Add(timer);
}

void ReleaseTimerHandler(UINT_PTR id) {
    if (TimerHandler && TimerHandler->Remove(id)) {
        DeleteWindowObject(std::move(TimerHandler));
    }
}

}  // namespace

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(std::uint32_t intervalMs, TNotifyEvent onElapsed)
    : FTimerId(AcquireTimerHandler(this)), FIntervalMs(intervalMs) {
    SetOnElapsed(std::move(onElapsed));
}

TSimpleTimer::~TSimpleTimer() {
    if (FRunning) {
        Stop(true);
    }
    ReleaseTimerHandler(FTimerId);
}

void TSimpleTimer::SetRunning(bool running) {
    if (running) {
        Start();
    } else {
        Stop(true);
    }
}

void TSimpleTimer::SetIntervalMs(std::uint32_t intervalMs) {
    if (intervalMs == FIntervalMs) {
        return;
    }
    FIntervalMs = intervalMs;
    if (FRunning) {
        if (intervalMs != 0) {
            Start();
        } else {
            Stop(false);
        }
    }
}

void TSimpleTimer::SetOnElapsed(TNotifyEvent onElapsed) {
    FOnElapsed = std::move(onElapsed);
    if (!FOnElapsed && FRunning) {
        Stop(false);
    }
}

bool TSimpleTimer::Start() {
    if (FIntervalMs == 0) {
        return false;
    }
    if (FRunning) {
        Stop(true);
    }
    if (SetTimer(TimerHandler->Handle(), FTimerId, FIntervalMs, nullptr) == 0) {
        return false;
    }
    FRunning = true;
    return true;
}

void TSimpleTimer::Stop(bool clearRunning) {
    if (clearRunning) {
        FRunning = false;
    }
    KillTimer(TimerHandler->Handle(), FTimerId);
}

HWND SimpleTimerWindow() {
    return TimerHandler ? TimerHandler->Handle() : nullptr;
}

}  // namespace lenzor
