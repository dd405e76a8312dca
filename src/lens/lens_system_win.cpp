#include "lens/lens_system_win.h"

#include "lens/os_version_win.h"
#include "lens/screen_capture_win.h"

#include <windows.h>

namespace lenzor {

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
    return VirtualScreenRect();
}

std::vector<LensRect> LensSystemWin::Monitors() {
    return MonitorRects();
}

bool LensSystemWin::IsWin2000OrLater() {
    return lenzor::IsWin2000OrLater();
}

void LensSystemWin::CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) {
    lenzor::CaptureScreen(withPointer, rect, out);
}

namespace {

// Filled in by the live-follow work: a clock that never ticks.
class StillClock : public FrameClock {
public:
    void Start() override {}
    void Stop() override {}
    bool Running() const override { return false; }
};

}  // namespace

std::unique_ptr<FrameClock> LensSystemWin::CreateFrameClock(std::function<void()>) {
    return std::make_unique<StillClock>();
}

bool LensSystemWin::CanExcludeFromCapture() {
    return IsWin10Build19041OrLater();
}

}  // namespace lenzor
