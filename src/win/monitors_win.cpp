#include "win/monitors_win.h"

namespace lenzor {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) {
        return TRUE;
    }
    auto& monitors = *reinterpret_cast<std::vector<DisplayMonitor>*>(data);
    try {  // nothing may escape into the system's callback
        const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        monitors.insert(primary ? monitors.begin() : monitors.end(),
                        DisplayMonitor{info.rcMonitor, info.rcWork});
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<DisplayMonitor> ListMonitors() {
    std::vector<DisplayMonitor> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors))) {
        monitors.clear();
    }
    return monitors;
}

RECT VirtualScreenBounds() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace lenzor
