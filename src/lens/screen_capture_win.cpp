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

// The screen part of the capture. Only the part on the virtual screen is copied (Wine copies
// nothing at all when the source leaves the screen); the rest is black. A failed blit (a
// locked or secure desktop) leaves the picture black too: the user can do nothing about it
// and the next redraw tries again.
void BlitScreen(const DibCanvas& canvas, const LensRect& rect) {
    const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int left = std::max(rect.left, screenLeft);
    const int top = std::max(rect.top, screenTop);
    const int right = std::min(rect.right, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const int bottom = std::min(rect.bottom, screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const bool whole =
        left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
    if (!whole) {
        canvas.Clear();  // the canvas still holds the last capture
    }
    if (left >= right || top >= bottom) {
        return;
    }
    HWND desktop = GetDesktopWindow();
    HDC screen = GetWindowDC(desktop);
    const bool copied = screen && BitBlt(canvas.Dc(), left - rect.left, top - rect.top,
                                         right - left, bottom - top, screen, left, top, SRCCOPY);
    if (screen) {
        ReleaseDC(desktop, screen);
    }
    if (!copied && whole) {
        canvas.Clear();
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
