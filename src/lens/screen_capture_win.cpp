#include "lens/screen_capture_win.h"

#include "effects/bitmap24_win.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace lenzor {
namespace {

// A memory device context with a top-down 24-bit DIB section selected; its rows have the
// same layout as Bitmap24's, so the result is one block copy.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), height_(height) {
        const BITMAPINFO info = TopDownDibInfo(width, height);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (!dc_ || !bitmap_) {
            Release();
            throw std::runtime_error("Not enough resources to capture the screen");
        }
        previous_ = SelectObject(dc_, bitmap_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas() { Release(); }

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Clear() const { PatBlt(dc_, 0, 0, width_, height_, BLACKNESS); }

    void CopyTo(Bitmap24& out) const {
        GdiFlush();
        std::memcpy(out.Data(), bits_, out.Stride() * static_cast<std::size_t>(height_));
    }

private:
    void Release() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
        if (bitmap_) {
            DeleteObject(bitmap_);
        }
        if (dc_) {
            DeleteDC(dc_);
        }
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// The lens grabs a rectangle of the same size on every redraw: its memory DC and DIB section
// are kept for the next capture of that size.
DibCanvas& CanvasFor(int width, int height) {
    static std::unique_ptr<DibCanvas> canvas;
    if (!canvas || canvas->Width() != width || canvas->Height() != height) {
        canvas.reset();
        canvas = std::make_unique<DibCanvas>(width, height);
    }
    return *canvas;
}

// The screen part of the capture: each monitor's part of rect is copied (Wine copies nothing at
// all when the source leaves the screen); the rest, which no monitor shows, is black rather than
// whatever the system keeps there. A failed blit (a locked or secure desktop) leaves the picture
// black too: the user can do nothing about it and the next redraw tries again.
void BlitScreen(const DibCanvas& canvas, const LensRect& rect) {
    std::vector<LensRect> parts;
    for (const LensRect& monitor : MonitorRects()) {
        const LensRect part{std::max(rect.left, monitor.left), std::max(rect.top, monitor.top),
                            std::min(rect.right, monitor.right),
                            std::min(rect.bottom, monitor.bottom)};
        if (part.left < part.right && part.top < part.bottom) {
            parts.push_back(part);
        }
    }
    const bool whole = parts.size() == 1 && parts[0] == rect;
    if (!whole) {
        canvas.Clear();  // the canvas still holds the last capture
    }
    if (parts.empty()) {
        return;
    }
    HWND desktop = GetDesktopWindow();
    HDC screen = GetWindowDC(desktop);
    bool copied = screen != nullptr;
    for (const LensRect& part : parts) {
        copied = screen &&
                 BitBlt(canvas.Dc(), part.left - rect.left, part.top - rect.top, part.Width(),
                        part.Height(), screen, part.left, part.top, SRCCOPY) &&
                 copied;
    }
    if (screen) {
        ReleaseDC(desktop, screen);
    }
    if (!copied && whole) {
        canvas.Clear();
    }
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) {
        return TRUE;
    }
    const RECT& r = info.rcMonitor;
    auto& monitors = *reinterpret_cast<std::vector<LensRect>*>(data);
    try {  // nothing may escape into the system's callback
        const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        monitors.insert(primary ? monitors.begin() : monitors.end(),
                        LensRect{r.left, r.top, r.right, r.bottom});
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

void DrawCurrentPointer(HDC target, const LensRect& rect) {
    CURSORINFO info{};
    // Under Wine the handle can be missing while no Wine window is under the pointer.
    if (!GetCursorInfoDynamic(info) || info.flags != CURSOR_SHOWING || !info.hCursor) {
        return;
    }
    DrawPointerImage(target, info.hCursor, info.ptScreenPos, POINT{rect.left, rect.top});
}

}  // namespace

void CaptureScreen(bool withPointer, const LensRect& rect, Bitmap24& out) {
    if (out.Width() != rect.Width() || out.Height() != rect.Height()) {
        out.SetSize(rect.Width(), rect.Height());  // else every byte is overwritten below
    }
    if (out.Empty()) {
        return;
    }
    const DibCanvas& canvas = CanvasFor(out.Width(), out.Height());
    BlitScreen(canvas, rect);
    if (withPointer) {
        DrawCurrentPointer(canvas.Dc(), rect);
    }
    canvas.CopyTo(out);
}

void CaptureScreenRect(const LensRect& rect, Bitmap24& out) {
    CaptureScreen(false, rect, out);
}

LensRect VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return LensRect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<LensRect> MonitorRects() {
    std::vector<LensRect> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors)) ||
        monitors.empty()) {
        monitors.assign(1, VirtualScreenRect());
    }
    return monitors;
}

bool GetCursorInfoDynamic(CURSORINFO& info) {
    using GetCursorInfoFunction = BOOL(WINAPI*)(PCURSORINFO);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) {
        return false;
    }
    auto function = reinterpret_cast<GetCursorInfoFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetCursorInfo")));
    if (!function) {
        return false;
    }
    info.cbSize = sizeof(info);
    return function(&info) != FALSE;
}

bool DrawPointerImage(HDC dc, HCURSOR cursor, POINT pointer, POINT origin) {
    HICON copy = CopyIcon(cursor);
    if (!copy) {
        return false;
    }
    ICONINFO info{};
    const bool readable = GetIconInfo(copy, &info) != FALSE;
    if (readable) {
        const int x = pointer.x - static_cast<int>(info.xHotspot) - origin.x;
        const int y = pointer.y - static_cast<int>(info.yHotspot) - origin.y;
        DrawIconEx(dc, x, y, copy, 0, 0, 0, nullptr, DI_NORMAL);
        if (info.hbmMask) {
            DeleteObject(info.hbmMask);
        }
        if (info.hbmColor) {
            DeleteObject(info.hbmColor);
        }
    }
    DestroyIcon(copy);
    return readable;
}

}  // namespace lenzor
