#include "lens/lens_system_win.h"

#include "lens/frame_clock_win.h"
#include "lens/os_version_win.h"
#include "lens/screen_capture_win.h"
#include "win/window_win.h"

#include <windows.h>

#include <exception>
#include <utility>

namespace lenzor {

// A hidden top-level window (message-only windows hear no broadcasts) that notes each
// WM_DISPLAYCHANGE: a monitor added, removed, moved or set to another resolution.
class LensSystemWin::DisplayWatch : public NativeWindow {
public:
    DisplayWatch() {
        CreateParams params{L"LenzorDisplayWatch"};
        params.refuseClose = true;
        CreateNativeWindow(params);
    }
    bool changed = true;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DISPLAYCHANGE) {
            changed = true;
        }
        return NativeWindow::HandleMessage(message, wParam, lParam);
    }
};

LensSystemWin::LensSystemWin() = default;

LensSystemWin::~LensSystemWin() {
    DeleteWindowObject(std::move(watch_));
}

void LensSystemWin::RenewDisplay() {
    if (!watchTried_) {
        watchTried_ = true;
        try {
            watch_ = std::make_unique<DisplayWatch>();
        } catch (const std::exception&) {
            // No watch: the monitors are listed each time, as they would be without the cache.
        }
    }
    if (!watch_ || watch_->changed) {
        virtualScreen_ = VirtualScreenRect();
        monitors_ = MonitorRects();
        if (watch_) {
            watch_->changed = false;
        }
    }
}

uint32_t LensSystemWin::TickCount() {
    return GetTickCount();
}

bool LensSystemWin::PointerPos(LensPoint& position) {
    POINT point{};
    if (!GetCursorPos(&point)) {  // fails on the secure desktop, for one
        return false;
    }
    position = LensPoint{point.x, point.y};
    return true;
}

LensRect LensSystemWin::VirtualScreen() {
    RenewDisplay();
    return virtualScreen_;
}

std::vector<LensRect> LensSystemWin::Monitors() {
    RenewDisplay();
    return monitors_;
}

bool LensSystemWin::IsWin2000OrLater() {
    return lenzor::IsWin2000OrLater();
}

void LensSystemWin::CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) {
    RenewDisplay();
    lenzor::CaptureScreen(withPointer, rect, monitors_, out);
}

std::unique_ptr<FrameClock> LensSystemWin::CreateFrameClock(std::function<void()> onFrame) {
    return std::make_unique<FrameClockWin>(std::move(onFrame));
}

bool LensSystemWin::CanExcludeFromCapture() {
    return IsWin10Build19041OrLater();
}

}  // namespace lenzor
