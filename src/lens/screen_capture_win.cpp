#include "lens/screen_capture_win.h"

#include "win/dll_function_win.h"
#include "win/gdi_win.h"
#include "win/monitors_win.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace lenzor {
namespace {

// The lens grabs a rectangle of the same size on every redraw: its DIB section is kept for the
// next capture of that size. Its rows have Bitmap24's layout, so the result is one block copy.
// A single pixel (the colour under the pointer, read at each redraw for the readout) has a
// canvas of its own, so that reading it does not throw the lens's away every time.
DibSection& CanvasFor(int width, int height) {
    static std::unique_ptr<DibSection> pixel;
    static std::unique_ptr<DibSection> area;
    std::unique_ptr<DibSection>& canvas = width == 1 && height == 1 ? pixel : area;
    if (!canvas || canvas->Width() != width || canvas->Height() != height) {
        canvas.reset();
        canvas = std::make_unique<DibSection>(width, height, 24);
    }
    return *canvas;
}

void Clear(const DibSection& canvas) {
    PatBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
}

// The screen part of the capture: each monitor's part of rect is copied (Wine copies nothing at
// all when the source leaves the screen); the rest, which no monitor shows, is black rather than
// whatever the system keeps there. A failed blit (a locked or secure desktop) leaves the picture
// black too: the user can do nothing about it and the next redraw tries again.
void BlitScreen(const DibSection& canvas, const LensRect& rect,
                const std::vector<LensRect>& monitors) {
    std::vector<LensRect> parts;
    for (const LensRect& monitor : monitors) {
        const LensRect part{std::max(rect.left, monitor.left), std::max(rect.top, monitor.top),
                            std::min(rect.right, monitor.right),
                            std::min(rect.bottom, monitor.bottom)};
        if (part.left < part.right && part.top < part.bottom) {
            parts.push_back(part);
        }
    }
    const bool whole = parts.size() == 1 && parts[0] == rect;
    if (!whole) {
        Clear(canvas);  // the canvas still holds the last capture
    }
    if (parts.empty()) {
        return;
    }
    const WindowDc screen(GetDesktopWindow(), true);
    bool copied = screen.Get() != nullptr;
    for (const LensRect& part : parts) {
        copied = screen.Get() &&
                 BitBlt(canvas.Dc(), part.left - rect.left, part.top - rect.top, part.Width(),
                        part.Height(), screen.Get(), part.left, part.top, SRCCOPY) &&
                 copied;
    }
    if (!copied && whole) {
        Clear(canvas);
    }
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
    CaptureScreen(withPointer, rect, MonitorRects(), out);
}

void CaptureScreen(bool withPointer, const LensRect& rect, const std::vector<LensRect>& monitors,
                   Bitmap24& out) {
    if (out.Width() != rect.Width() || out.Height() != rect.Height()) {
        out.SetSize(rect.Width(), rect.Height());  // else every byte is overwritten below
    }
    if (out.Empty()) {
        return;
    }
    const DibSection& canvas = CanvasFor(out.Width(), out.Height());
    BlitScreen(canvas, rect, monitors);
    if (withPointer) {
        DrawCurrentPointer(canvas.Dc(), rect);
    }
    GdiFlush();
    std::memcpy(out.Data(), canvas.Bits(), out.Stride() * static_cast<std::size_t>(out.Height()));
}

void CaptureScreenRect(const LensRect& rect, Bitmap24& out) {
    CaptureScreen(false, rect, out);
}

namespace {

LensRect ToLensRect(const RECT& r) {
    return LensRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

LensRect VirtualScreenRect() {
    return ToLensRect(VirtualScreenBounds());
}

std::vector<LensRect> MonitorRects() {
    std::vector<LensRect> monitors;
    for (const DisplayMonitor& monitor : ListMonitors()) {
        monitors.push_back(ToLensRect(monitor.bounds));
    }
    if (monitors.empty()) {
        monitors.push_back(VirtualScreenRect());
    }
    return monitors;
}

bool GetCursorInfoDynamic(CURSORINFO& info) {
    static const auto function =
        SystemFunction<BOOL(WINAPI*)(PCURSORINFO)>(L"user32.dll", "GetCursorInfo");
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
