#include "lens/frame_clock_win.h"

#include "win/dll_function_win.h"
#include "win/window_win.h"

#include <dwmapi.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <utility>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace lenzor {
namespace {

constexpr UINT kFrameMessage = WM_APP + 1;
constexpr double kFallbackHz = 100;  // the lens's own 10 ms tick

// Rates outside this range are taken for a system's nonsense, and the next source is asked.
bool PlausibleHz(double hz) {
    return hz >= 20 && hz <= 1000;
}

double DisplayHz() {
    using TimingInfo = HRESULT(WINAPI*)(HWND, DWM_TIMING_INFO*);
    static const auto timingInfo =
        SystemFunction<TimingInfo>(L"dwmapi.dll", "DwmGetCompositionTimingInfo");
    DWM_TIMING_INFO timing{};
    timing.cbSize = sizeof(timing);
    if (timingInfo && SUCCEEDED(timingInfo(nullptr, &timing)) &&
        timing.rateRefresh.uiDenominator != 0) {
        const double hz = double(timing.rateRefresh.uiNumerator) / timing.rateRefresh.uiDenominator;
        if (PlausibleHz(hz)) {
            return hz;
        }
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    // 0 and 1 stand for the hardware's default rate, which the system does not tell.
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) &&
        mode.dmDisplayFrequency > 1 && PlausibleHz(mode.dmDisplayFrequency)) {
        return mode.dmDisplayFrequency;
    }
    return kFallbackHz;
}

bool CompositionEnabled() {
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    static const auto isEnabled =
        SystemFunction<IsEnabled>(L"dwmapi.dll", "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

int64_t Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Waits for the display's next frame on the worker thread: DwmFlush where the desktop is
// composed, a timer at the display's rate otherwise. The timer also keeps the pace where
// DwmFlush returns early (nothing to compose, or a system where it does nothing).
class Pacer {
public:
    Pacer() {
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
        if (!timer_) {  // before Windows 10 version 1803
            timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        }
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        frequency_ = frequency.QuadPart;
    }
    Pacer(const Pacer&) = delete;
    Pacer& operator=(const Pacer&) = delete;
    ~Pacer() {
        if (timer_) {
            CloseHandle(timer_);
        }
    }

    // At each start, since the display may have changed meanwhile.
    void Restart() {
        using Flush = HRESULT(WINAPI*)();
        static const auto flush = SystemFunction<Flush>(L"dwmapi.dll", "DwmFlush");
        flush_ = CompositionEnabled() ? flush : nullptr;
        period_ = std::max<int64_t>(1, static_cast<int64_t>(frequency_ / DisplayHz()));
        last_ = Now();
    }

    // False when quit was set meanwhile.
    bool WaitForFrame(HANDLE quit) {
        if (flush_ && SUCCEEDED(flush_())) {
            const int64_t now = Now();
            if (now - last_ >= period_ / 2) {
                last_ = now;
                return WaitForSingleObject(quit, 0) != WAIT_OBJECT_0;
            }
        }
        const int64_t now = Now();
        const int64_t due = std::max(last_ + period_, now);  // late: no burst to catch up
        last_ = due;
        if (due == now) {
            return WaitForSingleObject(quit, 0) != WAIT_OBJECT_0;
        }
        const int64_t hundredNs = (due - now) * 10'000'000 / frequency_;
        LARGE_INTEGER relative;
        relative.QuadPart = -std::max<int64_t>(1, hundredNs);
        if (timer_ && SetWaitableTimer(timer_, &relative, 0, nullptr, nullptr, FALSE)) {
            const HANDLE handles[] = {quit, timer_};
            return WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
        }
        const DWORD ms = static_cast<DWORD>((hundredNs + 9'999) / 10'000);
        return WaitForSingleObject(quit, ms) == WAIT_TIMEOUT;
    }

private:
    HANDLE timer_ = nullptr;
    HRESULT(WINAPI* flush_)() = nullptr;
    int64_t frequency_ = 1;
    int64_t period_ = 1;
    int64_t last_ = 0;
};

}  // namespace

struct FrameClockWin::Shared {
    explicit Shared(std::function<void()> callback) : onFrame(std::move(callback)) {}
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
    ~Shared() {
        CloseHandle(run);
        CloseHandle(quit);
    }

    std::function<void()> onFrame;
    FrameGate gate;
    HANDLE run = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // set while running
    HANDLE quit = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<unsigned> starts{0};
    std::atomic<bool> workerEnded{false};
    HWND target = nullptr;  // set before the worker starts
};

DWORD WINAPI FrameClockWin::Worker(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Shared>> holder(
        static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **holder;
    Pacer pacer;
    unsigned seenStarts = 0;
    const HANDLE wake[] = {shared.quit, shared.run};
    while (WaitForMultipleObjects(2, wake, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        const unsigned starts = shared.starts.load();
        if (starts != seenStarts) {
            seenStarts = starts;
            pacer.Restart();
        }
        if (!pacer.WaitForFrame(shared.quit)) {
            break;
        }
        if (shared.gate.Offer() && !PostMessageW(shared.target, kFrameMessage, 0, 0)) {
            shared.gate.Withdraw();
        }
    }
    shared.workerEnded = true;
    return 0;
}

class FrameClockWin::FrameWindow : public NativeWindow {
public:
    explicit FrameWindow(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {
        CreateParams params{L"LenzorFrameClockWindow"};
        params.style = 0;
        params.parent = HWND_MESSAGE;
        params.refuseClose = true;
        CreateNativeWindow(params);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kFrameMessage) {
            return NativeWindow::HandleMessage(message, wParam, lParam);
        }
        const std::shared_ptr<Shared> shared = shared_;  // the call may end the clock
        if (shared->gate.Take()) {
            struct Done {
                FrameGate& gate;
                ~Done() { gate.Done(); }
            } done{shared->gate};
            shared->onFrame();
        }
        return 0;
    }

private:
    std::shared_ptr<Shared> shared_;
};

FrameClockWin::FrameClockWin(std::function<void()> onFrame)
    : shared_(std::make_shared<Shared>(std::move(onFrame))) {}

FrameClockWin::~FrameClockWin() {
    shared_->gate.Close();
    if (thread_) {
        SetEvent(shared_->quit);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    DeleteWindowObject(std::move(window_));
}

void FrameClockWin::Start() {
    if (running_ || !shared_->run || !shared_->quit) {
        return;
    }
    if (!window_) {
        try {
            window_ = std::make_unique<FrameWindow>(shared_);
        } catch (const std::exception&) {
            return;  // no window, no clock: the timer goes on following the pointer
        }
        shared_->target = window_->Handle();
    }
    if (!thread_) {
        auto parameter = std::make_unique<std::shared_ptr<Shared>>(shared_);
        thread_ = CreateThread(nullptr, 0, Worker, parameter.get(), 0, nullptr);
        if (!thread_) {
            return;
        }
        parameter.release();  // the worker's now
    }
    shared_->gate.Open();
    ++shared_->starts;
    SetEvent(shared_->run);
    running_ = true;
}

void FrameClockWin::Stop() {
    if (!running_) {
        return;
    }
    running_ = false;
    ResetEvent(shared_->run);
    shared_->gate.Close();
}

// A worker that ended by a failed wait sends no more frames: the lens must not wait for them.
bool FrameClockWin::Running() const {
    return running_ && !shared_->workerEnded;
}

const FrameGate& FrameClockWin::Gate() const {
    return shared_->gate;
}

}  // namespace lenzor
