#include "lens/lens_system_win.h"

#include "lens/frame_clock_win.h"
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

std::unique_ptr<FrameClock> LensSystemWin::CreateFrameClock(std::function<void()> onFrame) {
    return std::make_unique<FrameClockWin>(std::move(onFrame));
}

// Filled in by the pixel-tools work.
bool LensSystemWin::CanExcludeFromCapture() {
    return true;
}

}  // namespace lenzor
