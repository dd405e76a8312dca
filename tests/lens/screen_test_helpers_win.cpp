#include "screen_test_helpers_win.h"

#include "../ui/message_pump_win.h"
#include "effects/bitmap24_win.h"
#include "lens/colors.h"
#include "lens/screen_capture_win.h"

#include <array>
#include <sstream>

namespace lenzor::test {

Bitmap24 MakePattern(int width, int height) {
    Bitmap24 pattern(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = 16 + (x * 37 + y * 11) % 224;
            const uint32_t g = 16 + (x * 13 + y * 29) % 224;
            const uint32_t b = 16 + ((x ^ y) * 7) % 224;
            pattern.SetPixelColor(x, y, r | (g << 8) | (b << 16));
        }
    }
    return pattern;
}

HCURSOR MakeBlockCursor(int dx, int dy) {
    constexpr int kHotX = 3;
    constexpr int kHotY = 5;
    constexpr int kRowBytes = 4;
    std::array<BYTE, 32 * kRowBytes> andPlane;
    std::array<BYTE, 32 * kRowBytes> xorPlane{};
    andPlane.fill(0xFF);  // transparent
    for (int y = kHotY + dy; y < kHotY + dy + 2; ++y) {
        for (int x = kHotX + dx; x < kHotX + dx + 2; ++x) {
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            andPlane[y * kRowBytes + x / 8] &= static_cast<BYTE>(~bit);  // opaque
            xorPlane[y * kRowBytes + x / 8] |= bit;                      // white
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), kHotX, kHotY, 32, 32, andPlane.data(),
                        xorPlane.data());
}

HCURSOR ShownPointer() {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

Bitmap24 WaitForScreen(const LensRect& rect, const std::function<bool(const Bitmap24&)>& shows) {
    Bitmap24 shot;
    WaitFor([&] {
        CaptureScreenRect(rect, shot);
        return shows(shot);
    });
    return shot;
}

Bitmap24 LensLook(const Bitmap24& picture, MarkerCorner corner) {
    Bitmap24 look(250, 250);
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 250; ++x) {
            uint32_t colour = GetSysColor(COLOR_BTNFACE);
            if (x < 4 || y < 4 || x >= 246 || y >= 246) {
                const bool bracket =
                    (corner == MarkerCorner::mkTopLeft && x < 30 && y < 30) ||
                    (corner == MarkerCorner::mkBottomRight && x >= 220 && y >= 220);
                colour = bracket ? LensBracketColor() : LensFrameColor();
            } else if (x - 4 < picture.Width() && y - 4 < picture.Height()) {
                colour = picture.PixelColor(x - 4, y - 4);
            }
            look.SetPixelColor(x, y, colour);
        }
    }
    return look;
}

bool WaitFor(const std::function<bool()>& done) {
    return test_support::PumpMessagesUntil(done, test_support::kEventTimeoutMs);
}

std::string FirstDifference(const Bitmap24& got, const Bitmap24& want) {
    std::ostringstream text;
    if (got.Width() != want.Width() || got.Height() != want.Height()) {
        text << "size " << got.Width() << " x " << got.Height() << ", want " << want.Width()
             << " x " << want.Height();
        return text.str();
    }
    for (int y = 0; y < got.Height(); ++y) {
        for (int x = 0; x < got.Width(); ++x) {
            if (got.PixelColor(x, y) != want.PixelColor(x, y)) {
                text << "at " << x << "," << y << ": " << std::hex << got.PixelColor(x, y)
                     << ", want " << want.PixelColor(x, y);
                return text.str();
            }
        }
    }
    return "";
}

Bitmap24 Crop(const Bitmap24& picture, int left, int top, int width, int height) {
    Bitmap24 part(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.SetPixelColor(x, y, picture.PixelColor(left + x, top + y));
        }
    }
    return part;
}

PictureWindow::PictureWindow(const Bitmap24& picture, int left, int top, HCURSOR cursor)
    : picture_(picture), cursor_(cursor), left_(left), top_(top) {
    CreateParams params{};
    params.className = L"LenzorTestPicture";
    params.style = WS_POPUP;
    params.x = left;
    params.y = top;
    params.width = picture.Width();
    params.height = picture.Height();
    CreateNativeWindow(params);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

bool PictureWindow::WaitUntilOnScreen() {
    const LensRect rect{left_, top_, left_ + picture_.Width(), top_ + picture_.Height()};
    return WaitForScreen(rect, [&](const Bitmap24& shot) { return shot == picture_; }) == picture_;
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        PaintBitmap24(dc, 0, 0, picture_);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (cursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    }
    return NativeWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace lenzor::test
